#include "window_placement.h"

#include "screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace ortambra {

QPoint fittedClientPosition(QPoint wanted, QSize client, QMargins frame, const QRect& available) {
    const QRect outer = QRect(wanted, client).marginsAdded(frame);
    // The far edge first, the near one last: when the window is too big, its top-left wins.
    const auto fit = [](int start, int length, int low, int size) {
        return std::max(low, std::min(start, low + size - length));
    };
    const int left = fit(outer.left(), outer.width(), available.left(), available.width());
    const int top = fit(outer.top(), outer.height(), available.top(), available.height());
    return {left + frame.left(), top + frame.top()};
}

namespace {

// The frame the window manager drew around the last window it framed; windows that have not
// been on screen yet are placed as if theirs were the same.
QMargins lastFrame;

constexpr const char* designProperty = "designPosition";

class Placer final : public QObject {
  public:
    explicit Placer(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

    void placeAgain() {
        wanted_ = window_->geometry().topLeft();
        place(knownFrame());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            // The first time at the design place; later where it was. A window without one,
            // a message box, is first placed by the toolkit itself, and only checked below.
            wanted_ =
                shown_ ? std::optional(window_->geometry().topLeft()) : designPosition(window_);
            shown_ = true;
            if (wanted_)
                place(knownFrame());
            if (QWindow* handle = window_->windowHandle(); handle && handle != handle_) {
                handle_ = handle;
                handle->installEventFilter(this);
            }
            checking_ = true;
        } else if (watched == handle_ && event->type() == QEvent::Expose && checking_ &&
                   handle_->isExposed()) {
            // Now on screen: the frame is the real one.
            checking_ = false;
            const QMargins frame = handle_->frameMargins();
            noteFrame(frame);
            place(frame);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QMargins knownFrame() const {
        const QMargins own = handle_ ? handle_->frameMargins() : QMargins();
        return own.isNull() ? expectedFrame() : own;
    }

    void place(QMargins frame) {
        const QScreen* screen = window_->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QPoint at = fittedClientPosition(
            wanted_.value_or(window_->geometry().topLeft()), window_->size(), frame,
            devicePixelSafe(screen->availableGeometry(), screen->devicePixelRatio()));
        // By the client area: a frame-exclusive position, whatever the window manager draws.
        window_->setGeometry(QRect(at, window_->size()));
    }

    QWidget* window_;
    std::optional<QPoint> wanted_;
    bool shown_ = false;
    QPointer<QWindow> handle_; // the native window, which Qt may make anew
    bool checking_ = false;
};

} // namespace

void keepOnScreen(QWidget* window, std::optional<QPoint> design) {
    new Placer(window); // owned by the window
    if (design)
        setDesignPosition(window, *design);
}

void placeAgain(QWidget* window) {
    for (QObject* child : window->children())
        if (auto* placer = dynamic_cast<Placer*>(child))
            placer->placeAgain();
}

void setDesignPosition(QWidget* window, QPoint design) {
    window->setProperty(designProperty, design);
}

QMargins expectedFrame() { return lastFrame; }

void noteFrame(QMargins frame) {
    if (!frame.isNull())
        lastFrame = frame;
}

std::optional<QPoint> designPosition(const QWidget* window) {
    const QVariant design = window->property(designProperty);
    return design.isValid() ? std::optional(design.toPoint()) : std::nullopt;
}

} // namespace ortambra
