#include "program.h"

#include "desktop.h"
#include "engine/random_source.h"
#include "forms/platform.h"
#include "forms/qt_printing.h"
#include "forms/screen_size.h"
#include "forms/sfondo.h"
#include "layout_windows.h"

#include <QApplication>

namespace ortambra {

int runProgram(int& argc, char** argv, const std::function<void(QApplication&)>& prepare) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ortambra"));
    QApplication::setDesktopFileName(QLatin1String(desktopId));
    QApplication::setWindowIcon(programIcon());
    installQtItalian(app);
    if (prepare)
        prepare(app);

    MersenneSource random;
    QtMessageBoxes messages;
    QtPrinting printing;
    Platform platform{random,
                      messages,
                      [] { return QDate::currentDate(); },
                      QLocale::system(),
                      [] { QCoreApplication::quit(); },
                      printing};
    SharedValues shared;
    // Only the set the screen calls for ever creates a window.
    LayoutWindows standard(LayoutSet::Standard, platform, shared);
    LayoutWindows compact(LayoutSet::Compact, platform, shared);
    QtScreenSize screen;
    Sfondo sfondo(screen, messages, standard, compact);
    sfondo.Form_Load();
    return QApplication::exec();
}

} // namespace ortambra
