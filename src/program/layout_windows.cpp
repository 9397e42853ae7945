#include "layout_windows.h"

#include "toolkit/screen.h"
#include "toolkit/window_fit.h"
#include "windows/calcolatore.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"
#include "windows/zorvano.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <memory>
#include <utility>

namespace ortambra {

LayoutWindows::LayoutWindows(LayoutSet set, Platform& platform, SharedValues& shared,
                             Presets presets)
    : set_(set), platform_(platform), shared_(shared), presets_(presets) {}

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

// A window is made on its first use and fitted to the screen then, once.
template <typename Window, typename... Args>
Window& madeOnce(std::unique_ptr<Window>& window, const ScreenSize& screen, Args&&... args) {
    if (!window) {
        window = std::make_unique<Window>(std::forward<Args>(args)...);
        fitToScreen(window.get(), screen);
    }
    return *window;
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

Zorvano& LayoutWindows::main() {
    return madeOnce(main_, platform_.screen, set_, *this, platform_, shared_, presets_);
}

void LayoutWindows::showMain() { showInFront(&main()); }

Frm_Nome& LayoutWindows::registration() {
    return madeOnce(registration_, platform_.screen, set_, *this, shared_);
}

Frm_Istruzioni& LayoutWindows::instructions() {
    return madeOnce(instructions_, platform_.screen, set_, *this);
}

void LayoutWindows::showRegistration() { showInFront(&registration()); }

void LayoutWindows::showInstructions() { showInFront(&instructions()); }

Calcolatore& LayoutWindows::calculator() {
    return madeOnce(calculator_, platform_.screen, set_, platform_, shared_);
}

void LayoutWindows::showCalculator() { showInFront(&calculator()); }

void LayoutWindows::endProgram() { platform_.quit(); }

} // namespace ortambra
