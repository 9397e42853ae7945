#include "hand_over.h"

#include "screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ortambra {

namespace {

constexpr const char* AwaitingReplacement = "ortambraAwaitingReplacement";

// Waits for the focus to reach another of the program's windows, then hides `leaving`. Until
// then the window left takes no keys or clicks: its button pressed again would show the next
// window anew. It ends with the window, or when the window is hidden by anyone.
class ReplacementWatch final : public QObject {
  public:
    ReplacementWatch(QWidget* leaving, int boundMs) : QObject(leaving), leaving_(leaving) {
        leaving->setProperty(AwaitingReplacement, true);
        leaving->installEventFilter(this);
        qApp->installEventFilter(this);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
            if (focused && focused != leaving_->windowHandle())
                leaving_->hide();
        });
        QTimer::singleShot(boundMs, this, [this] { leaving_->hide(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == leaving_ && event->type() == QEvent::Hide) {
            leaving_->setProperty(AwaitingReplacement, false);
            qApp->removeEventFilter(this);
            leaving_->removeEventFilter(this);
            deleteLater();
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == leaving_;
        default: return false;
        }
    }

  private:
    QWidget* leaving_; // the parent: the watch never outlives it
};

} // namespace

void hideWhenReplaced(QWidget* leaving, bool waitForFocus, int boundMs) {
    if (!waitForFocus || !leaving->isActiveWindow()) {
        leaving->hide();
        return;
    }
    if (!leaving->property(AwaitingReplacement).toBool())
        new ReplacementWatch(leaving, boundMs); // owned by `leaving`
}

void hideWhenReplaced(QWidget* leaving) {
    hideWhenReplaced(leaving, isWayland(QGuiApplication::platformName()));
}

} // namespace ortambra
