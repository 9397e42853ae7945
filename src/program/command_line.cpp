#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <array>

namespace ortambra {

namespace {

struct ModeName {
    const char* name;
    Mode mode;
};
constexpr std::array<ModeName, 3> modeNames{
    {{"bassa", Mode::OnlySums}, {"media", Mode::OnlyProducts}, {"alta", Mode::SumsAndProducts}}};

// The options the application object takes itself (Qt's and its X11 platform's), hidden from
// the help.
constexpr std::array qtOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "icon",
    "visual",      "qmljsdebugger"};
constexpr std::array qtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// An argument as a message quotes it: on one line.
QString quoted(QString text) { return text.replace(u'\n', u' '); }

CommandLine mistake(const QString& text) {
    return {std::nullopt,
            2,
            {},
            QStringLiteral("ortambra: ") + quoted(text) + QStringLiteral(" (ortambra --help)\n")};
}

// What went wrong in Qt's reading, in Italian. Qt names an unknown option without its dashes:
// the argument is quoted as the teacher typed it.
QString parseMistake(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        for (const QString& argument : arguments.mid(1)) {
            const QString typed = argument.section(u'=', 0, 0);
            QString name = typed;
            name.remove(QRegularExpression(QStringLiteral("^--?")));
            if (typed.startsWith(u'-') && name == unknown.constFirst())
                return QStringLiteral("opzione sconosciuta: ") + typed;
        }
        return QStringLiteral("opzione sconosciuta: ") + unknown.constFirst();
    }
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto found = missing.match(parser.errorText()); found.hasMatch())
        return found.captured(1) + QStringLiteral(" vuole un valore");
    if (const auto found = unexpected.match(parser.errorText()); found.hasMatch())
        return found.captured(1) + QStringLiteral(" non vuole un valore");
    return parser.errorText();
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform xcb"): read so, every word option is
    // a long one, and "-h" is "--help".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Ortambra, il gioco delle serie di numeri. Le opzioni preparano la partita "
                       "della classe; senza opzioni il gioco parte come sempre."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra questo aiuto ed esce."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Mostra la versione ed esce."));
    const QCommandLineOption difficulty(
        QStringLiteral("difficolta"),
        QStringLiteral("La difficoltà: bassa (solo somme), media (solo prodotti) o alta (somme e "
                       "prodotti)."),
        QStringLiteral("livello"));
    const QCommandLineOption complexity(
        QStringLiteral("complessita"),
        QStringLiteral("La complessità: il passo più grande, da 2 a 10."), QStringLiteral("N"));
    const QCommandLineOption facilitated(QStringLiteral("facilitato"),
                                         QStringLiteral("Parte in modo facilitato."));
    const QCommandLineOption locked(
        QStringLiteral("blocca"),
        QStringLiteral("Gli alunni non possono cambiare difficoltà, complessità e modo "
                       "facilitato."));
    const QCommandLineOption board(
        QStringLiteral("lavagna"),
        QStringLiteral("Alla lavagna: finestre grandi quanto lo schermo e tasti sullo schermo per "
                       "scrivere col dito."));
    parser.addOptions({help, version, difficulty, complexity, facilitated, locked, board});
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("valore"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return mistake(parseMistake(parser, arguments));
    if (parser.isSet(help)) {
        // Qt names the program by the path it was started with, or not at all before the
        // application object exists.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'), QStringLiteral("Uso: ortambra [opzioni]"));
        text.replace(QLatin1String("\nOptions:\n"), QLatin1String("\nOpzioni:\n"));
        return {std::nullopt, 0, text, {}};
    }
    if (parser.isSet(version))
        return {std::nullopt, 0, QStringLiteral("Ortambra " ORTAMBRA_VERSION "\n"), {}};
    if (!parser.positionalArguments().isEmpty())
        return mistake(QStringLiteral("argomento inatteso: ") +
                       parser.positionalArguments().constFirst());

    Presets presets;
    if (parser.isSet(difficulty)) {
        const QString value = parser.value(difficulty);
        for (const ModeName& entry : modeNames)
            if (value.toLower() == QLatin1String(entry.name))
                presets.mode = entry.mode;
        if (!presets.mode)
            return mistake(QStringLiteral("--difficolta vuole bassa, media o alta, non ") + value);
    }
    if (parser.isSet(complexity)) {
        const QString value = parser.value(complexity);
        bool number = false;
        const int largest = value.toInt(&number);
        if (!number || largest < LowestLargestStep || largest > HighestLargestStep)
            return mistake(QStringLiteral("--complessita vuole un numero da 2 a 10, non ") + value);
        presets.largest = largest;
    }
    presets.facilitated = parser.isSet(facilitated);
    presets.locked = parser.isSet(locked);
    presets.board = parser.isSet(board);
    return {presets, 0, {}, {}};
}

} // namespace ortambra
