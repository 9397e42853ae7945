#include "engine/random_source.h"
#include "forms/platform.h"
#include "forms/qt_printing.h"
#include "forms/screen_size.h"
#include "forms/sfondo.h"
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
    ortambra::QtPrinting printing;
    ortambra::Platform platform{random, messages, [] { return QDate::currentDate(); },
                                QLocale::system(), [] { QCoreApplication::quit(); },
                                printing};
    ortambra::SharedValues shared;
    // Only the set the screen calls for ever creates a window.
    ortambra::LayoutWindows standard(ortambra::LayoutSet::Standard, platform, shared);
    ortambra::LayoutWindows compact(ortambra::LayoutSet::Compact, platform, shared);
    ortambra::QtScreenSize screen;
    ortambra::Sfondo sfondo(screen, messages, standard, compact);
    sfondo.Form_Load();
    return QApplication::exec();
}
