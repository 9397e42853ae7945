#include "engine/random_source.h"
#include "forms/platform.h"
#include "program/desktop.h"
#include "program/layout_windows.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ortambra"));
    QApplication::setDesktopFileName(QLatin1String(ortambra::desktopId));
    QApplication::setWindowIcon(ortambra::programIcon());
    ortambra::installQtItalian(app);

    ortambra::MersenneSource random;
    ortambra::QtMessageBoxes messages;
    ortambra::Platform platform{random, messages, [] { return QDate::currentDate(); },
                                QLocale::system(), [] { QCoreApplication::quit(); }};
    ortambra::SharedValues shared;
    ortambra::LayoutWindows windows(ortambra::LayoutSet::Standard, platform, shared);
    windows.showMain();
    return QApplication::exec();
}
