// The real program, started as a pupil starts it, ended by the probe once the registration
// window of either set is on screen.
#include "program/program.h"
#include "startup_probe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const auto entered = ortambra::bench::Clock::now();
    return ortambra::runProgram(argc, argv, [entered](QApplication& app) {
        app.installEventFilter(new ortambra::bench::StartupProbe(
            {QStringLiteral("Frm_Nome"), QStringLiteral("Frm_Nome_m")}, entered, &app));
    });
}
