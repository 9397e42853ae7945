#include "program.h"

#include "command_line.h"
#include "desktop/desktop.h"
#include "desktop/qt_message_boxes.h"
#include "desktop/qt_printing.h"
#include "desktop/qt_screen.h"
#include "engine/random_source.h"
#include "layout_windows.h"
#include "toolkit/platform.h"
#include "toolkit/screen.h"
#include "windows/sfondo.h"

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace ortambra {

namespace {

// While the application object connects to the window system, Qt's messages are held back:
// without a display Qt ends the program with a fatal message that blames the installation, so
// that one is replaced by a plain word on what is missing, and the rest would only be noise.
// Once the connection stands they are passed on as they came.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

QtMessageHandler passOn = nullptr;
std::vector<HeldMessage> held;
std::string programName = "ortambra";

void release() {
    qInstallMessageHandler(passOn);
    for (const auto& m : held) {
        const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                         m.function.empty() ? nullptr : m.function.c_str(),
                                         m.category.c_str());
        if (passOn)
            passOn(m.type, context, m.text);
    }
    held.clear();
}

void holdWhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr,
                     "Ortambra: nessuno schermo grafico trovato. Per giocare senza schermo: "
                     "xvfb-run -a -s \"-screen 0 1024x768x24\" %s\n"
                     "Ortambra: no graphical display found. To play without one: "
                     "xvfb-run -a -s \"-screen 0 1024x768x24\" %s\n",
                     programName.c_str(), programName.c_str());
        std::fflush(stderr);
        std::_Exit(1); // nothing has been opened yet that would need closing
    }
    held.push_back({type, context.file ? context.file : "", context.line,
                    context.function ? context.function : "",
                    context.category ? context.category : "default", text});
    if (type == QtFatalMsg) {
        release(); // passes this message on too, once
        std::abort();
    }
}

} // namespace

int runProgram(int& argc, char** argv, const std::function<void(QApplication&)>& prepare) {
    if (argc > 0 && argv[0] && *argv[0])
        programName = argv[0];
    // Read before any window system is reached: the help, the version and a mistake need none.
    Presets presets;
    if (argc > 1) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        const CommandLine asked = readCommandLine(arguments);
        std::fputs(asked.output.toLocal8Bit().constData(), stdout);
        std::fputs(asked.error.toLocal8Bit().constData(), stderr);
        if (!asked.presets)
            return asked.status;
        presets = *asked.presets;
    }
    passOn = qInstallMessageHandler(holdWhileConnecting);
    QApplication app(argc, argv);
    release();
    QApplication::setApplicationName(QStringLiteral("Ortambra"));
    QApplication::setDesktopFileName(QLatin1String(desktopId));
    QApplication::setWindowIcon(programIcon());
    installQtItalian(app);
    if (prepare)
        prepare(app);

    MersenneSource random;
    QtMessageBoxes messages;
    QtPrinting printing;
    QtScreenSize screen;
    Platform platform{random,
                      messages,
                      [] { return QDate::currentDate(); },
                      QLocale::system(),
                      [] { QCoreApplication::quit(); },
                      printing,
                      screen};
    SharedValues shared;
    // Only the set the screen calls for ever creates a window.
    LayoutWindows standard(LayoutSet::Standard, platform, shared, presets);
    LayoutWindows compact(LayoutSet::Compact, platform, shared, presets);
    Sfondo sfondo(screen, messages, standard, compact, presets.board);
    sfondo.Form_Load();
    return QApplication::exec();
}

} // namespace ortambra
