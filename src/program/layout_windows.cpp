#include "layout_windows.h"

#include "layouts/calculator_layout.h"
#include "layouts/instructions_layout.h"
#include "layouts/main_layout.h"
#include "layouts/registration_layout.h"
#include "toolkit/screen.h"
#include "toolkit/window_fit.h"
#include "toolkit/window_placement.h"
#include "windows/calcolatore.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"
#include "windows/zorvano.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace ortambra {

LayoutWindows::LayoutWindows(LayoutSet set, Platform& platform, SharedValues& shared,
                             Presets presets)
    : set_(set), platform_(platform), shared_(shared), presets_(presets),
      touchKeys_(presets.board) {
    if (!touchKeys_)
        touchWatch_ = onFirstTouchTyping([this](QWidget* box) {
            // A box of this set's windows; the print dialog's are none of the game's.
            const QWidget* window = box->window();
            if (window != registration_.get() && window != main_.get() &&
                window != calculator_.get())
                return false;
            showTouchKeys();
            return true;
        });
}

LayoutWindows::~LayoutWindows() = default;

bool windowsCanBeRaised(const QString& platformName) { return !isWayland(platformName); }

namespace {

constexpr const char* AwaitingFront = "ortambraAwaitingFront";

// Notes when a window shown anew has come to the front, or has gone.
class FrontWatch final : public QObject {
  public:
    explicit FrontWatch(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Hide)
            watched->setProperty(AwaitingFront, false);
        return false;
    }
};

// Shows a window again so that the window system maps it anew, in front; the control that had
// the focus keeps it, whatever the window does when it is shown.
void showAnew(QWidget* window) {
    if (!window->property(AwaitingFront).isValid())
        new FrontWatch(window); // owned by the window
    const QPointer<QWidget> focus = window->focusWidget();
    window->hide();
    window->show();
    if (focus)
        focus->setFocus();
    // Until it is in front: a second request meanwhile (a click that also moves the focus asks
    // twice) must not map it yet again.
    window->setProperty(AwaitingFront, true);
}

} // namespace

void showInFront(QWidget* window, bool canRaise) {
    // A window the pupil left behind another comes back in front only by being shown anew
    // where the window system ignores raising.
    if (!canRaise && window->isVisible() && !window->isActiveWindow() &&
        !window->property(AwaitingFront).toBool())
        showAnew(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void showInFront(QWidget* window) {
    showInFront(window, windowsCanBeRaised(QGuiApplication::platformName()));
}

// A window is made on its first use and fitted to the screen then, once.
template <typename Window, typename... Args>
Window& LayoutWindows::madeOnce(std::unique_ptr<Window>& window, std::optional<KeySet> keys,
                                Args&&... args) {
    if (!window) {
        window = std::make_unique<Window>(std::forward<Args>(args)...);
        if (keys && touchKeys_)
            addTouchKeys(window.get(), *keys);
        if (presets_.board)
            drawAtFactor(window.get(), boardFactor());
        else
            fitToScreen(window.get(), platform_.screen);
    }
    return *window;
}

double LayoutWindows::boardFactor() {
    if (boardFactor_)
        return *boardFactor_;
    // Worked out from the designs, before the windows exist: the registration is drawn first.
    QMenuBar bar;
    bar.addMenu(QStringLiteral("Difficoltà"));
    const int menuBar = bar.sizeHint().height();
    const ScreenSize& screen = platform_.screen;
    const QMargins frame = expectedFrameOn(expectedFrame(), QGuiApplication::platformName());
    const QSize room = devicePixelSafe(screen.available(), screen.pixelRatio()).size();
    struct Drawn {
        const WindowSpec& design;
        std::optional<KeySet> keys;
        int menuBar;
    };
    double factor = std::numeric_limits<double>::infinity();
    for (const Drawn& drawn : {Drawn{registrationWindowSpec(set_), KeySet::Letters, 0},
                               Drawn{instructionsWindowSpec(set_), std::nullopt, 0},
                               Drawn{mainWindowSpec(set_), KeySet::Numbers, menuBar},
                               Drawn{calculatorWindowSpec(set_), KeySet::Numbers, 0}}) {
        QSize client = drawn.design.clientPixels();
        if (drawn.keys)
            client = QSize(client.width() + touchKeysSize(*drawn.keys).width(),
                           std::max(client.height(), touchKeysSize(*drawn.keys).height()));
        // The menu bar grows with the window at the board.
        const QSize whole = client + QSize(0, drawn.menuBar);
        factor = std::min(factor,
                          fitFactor(whole, whole, frame, room, screen.pixelRatio(), BoardCeiling));
    }
    boardFactor_ = factor;
    return factor;
}

void LayoutWindows::showTouchKeys() {
    touchKeys_ = true;
    const auto grow = [this](QWidget* window, KeySet keys) {
        if (!window)
            return; // made with its keys when it is first used
        addTouchKeys(window, keys);
        fitToScreen(window, platform_.screen);
    };
    grow(registration_.get(), KeySet::Letters);
    grow(main_.get(), KeySet::Numbers);
    grow(calculator_.get(), KeySet::Numbers);
}

Zorvano& LayoutWindows::main() {
    return madeOnce(main_, KeySet::Numbers, set_, *this, platform_, shared_, presets_);
}

void LayoutWindows::showMain() { showInFront(&main()); }

Frm_Nome& LayoutWindows::registration() {
    return madeOnce(registration_, KeySet::Letters, set_, *this, shared_);
}

Frm_Istruzioni& LayoutWindows::instructions() {
    return madeOnce(instructions_, std::nullopt, set_, *this);
}

void LayoutWindows::showRegistration() { showInFront(&registration()); }

void LayoutWindows::showInstructions() { showInFront(&instructions()); }

Calcolatore& LayoutWindows::calculator() {
    return madeOnce(calculator_, KeySet::Numbers, set_, platform_, shared_);
}

void LayoutWindows::showCalculator() { showInFront(&calculator()); }

void LayoutWindows::endProgram() { platform_.quit(); }

} // namespace ortambra
