#include "layout_windows.h"

#include "forms/calcolatore.h"
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

void LayoutWindows::showRegistration() {}

void LayoutWindows::showInstructions() {}

void LayoutWindows::showCalculator() {
    if (!calculator_)
        calculator_ = std::make_unique<Calcolatore>(set_, platform_, shared_);
    showInFront(calculator_.get());
}

} // namespace ortambra
