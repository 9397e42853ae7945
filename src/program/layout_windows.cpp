#include "layout_windows.h"

#include "forms/calcolatore.h"
#include "forms/frm_istruzioni.h"
#include "forms/frm_nome.h"
#include "forms/screen_size.h"
#include "forms/window_fit.h"
#include "game/zorvano.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>

namespace ortambra {

LayoutWindows::LayoutWindows(LayoutSet set, Platform& platform, SharedValues& shared)
    : set_(set), platform_(platform), shared_(shared) {}

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

Zorvano& LayoutWindows::main() {
    if (!main_) {
        main_ = std::make_unique<Zorvano>(set_, *this, platform_, shared_);
        fitToScreen(main_.get(), platform_.screen);
    }
    return *main_;
}

void LayoutWindows::showMain() { showInFront(&main()); }

Frm_Nome& LayoutWindows::registration() {
    if (!registration_) {
        registration_ = std::make_unique<Frm_Nome>(set_, *this, shared_);
        fitToScreen(registration_.get(), platform_.screen);
    }
    return *registration_;
}

Frm_Istruzioni& LayoutWindows::instructions() {
    if (!instructions_) {
        instructions_ = std::make_unique<Frm_Istruzioni>(set_, *this);
        fitToScreen(instructions_.get(), platform_.screen);
    }
    return *instructions_;
}

void LayoutWindows::showRegistration() { showInFront(&registration()); }

void LayoutWindows::showInstructions() { showInFront(&instructions()); }

Calcolatore& LayoutWindows::calculator() {
    if (!calculator_) {
        calculator_ = std::make_unique<Calcolatore>(set_, platform_, shared_);
        fitToScreen(calculator_.get(), platform_.screen);
    }
    return *calculator_;
}

void LayoutWindows::showCalculator() { showInFront(&calculator()); }

void LayoutWindows::endProgram() { platform_.quit(); }

} // namespace ortambra
