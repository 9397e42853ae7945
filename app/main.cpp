#include "engine/random_source.h"
#include "forms/platform.h"
#include "forms/qt_printing.h"
#include "program/layout_windows.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ortambra"));

    ortambra::MersenneSource random;
    ortambra::QtMessageBoxes messages;
    ortambra::QtPrinting printing;
    ortambra::Platform platform{random, messages, [] { return QDate::currentDate(); },
                                QLocale::system(), [] { QCoreApplication::quit(); },
                                printing};
    ortambra::SharedValues shared;
    ortambra::LayoutWindows windows(ortambra::LayoutSet::Standard, platform, shared);
    windows.showMain();
    return QApplication::exec();
}
