#include "layout_windows.h"

#include "forms/calcolatore.h"
#include "forms/frm_istruzioni.h"
#include "forms/frm_nome.h"
#include "game/zorvano.h"

namespace ortambra {

LayoutWindows::LayoutWindows(LayoutSet set, Platform& platform, SharedValues& shared)
    : set_(set), platform_(platform), shared_(shared) {}

LayoutWindows::~LayoutWindows() = default;

void showInFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
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
