#include "layout_windows.h"

#include "forms/calcolatore.h"
#include "forms/frm_istruzioni.h"
#include "forms/frm_nome.h"
#include "game/zorvano.h"

#include <QGuiApplication>

namespace ortambra {

LayoutWindows::LayoutWindows(LayoutSet set, Platform& platform, SharedValues& shared)
    : set_(set), platform_(platform), shared_(shared) {}

LayoutWindows::~LayoutWindows() = default;

bool windowsCanBeRaised(const QString& platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

void showInFront(QWidget* window, bool canRaise) {
    // A window the pupil left behind another comes back in front only by being shown anew
    // where the window system ignores raising.
    if (!canRaise && window->isVisible() && !window->isActiveWindow())
        window->hide();
    window->show();
    window->raise();
    window->activateWindow();
}

void showInFront(QWidget* window) {
    showInFront(window, windowsCanBeRaised(QGuiApplication::platformName()));
}

Zorvano& LayoutWindows::main() {
    if (!main_)
        main_ = std::make_unique<Zorvano>(set_, *this, platform_, shared_);
    return *main_;
}

void LayoutWindows::showMain() { showInFront(&main()); }

Frm_Nome& LayoutWindows::registration() {
    if (!registration_)
        registration_ = std::make_unique<Frm_Nome>(set_, *this, shared_);
    return *registration_;
}

Frm_Istruzioni& LayoutWindows::instructions() {
    if (!instructions_)
        instructions_ = std::make_unique<Frm_Istruzioni>(set_, *this);
    return *instructions_;
}

void LayoutWindows::showRegistration() { showInFront(&registration()); }

void LayoutWindows::showInstructions() { showInFront(&instructions()); }

Calcolatore& LayoutWindows::calculator() {
    if (!calculator_)
        calculator_ = std::make_unique<Calcolatore>(set_, platform_, shared_);
    return *calculator_;
}

void LayoutWindows::showCalculator() { showInFront(&calculator()); }

void LayoutWindows::endProgram() { platform_.quit(); }

} // namespace ortambra
