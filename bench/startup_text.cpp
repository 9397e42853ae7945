// The floor for any start-up that asks what the game asks: the empty program, but telling the
// screen's resolution in a message box first and with one line of text in its window. Text
// brings in fontconfig, FreeType and HarfBuzz, which the empty program never touches.
#include "startup_probe.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    const auto entered = ortambra::bench::Clock::now();
    QApplication app(argc, argv);
    app.installEventFilter(
        new ortambra::bench::StartupProbe({QStringLiteral("Testo")}, entered, &app));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(" Schermo attuale"),
                    QStringLiteral("La definizione dello schermo attuale e' %1 X %2")
                        .arg(screen.width())
                        .arg(screen.height()),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.exec();
    QWidget window; // the empty program's window, at the same default size
    window.setObjectName(QStringLiteral("Testo"));
    QLabel line(QStringLiteral("Benvenuto nel gioco dei numeri"), &window);
    window.show();
    return QApplication::exec();
}
