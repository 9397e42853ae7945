// The floor: the least a Qt Widgets program does to put a window on screen, started and ended
// the same way as the game.
#include "startup_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    const auto entered = ortambra::bench::Clock::now();
    QApplication app(argc, argv);
    app.installEventFilter(
        new ortambra::bench::StartupProbe({QStringLiteral("Vuota")}, entered, &app));
    QWidget window;
    window.setObjectName(QStringLiteral("Vuota"));
    window.show();
    return QApplication::exec();
}
