// The results view and the printed report from any game state, name, class, date and language,
// row by row against a reference written out from the layout of each row. Numbers are written
// here with printf's "%.15G" in the "C" locale, names with their control characters blanked by
// code point, so neither shares code with the builders.
#include "report/printed_report.h"
#include "report/results_view.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

using namespace ortambra;

namespace {

// --- The reference -------------------------------------------------------------------------

QString numberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value == 0.0 ? 0.0 : value);
    return QString::fromLatin1(buffer);
}

// The Str text: one blank before a value of zero or more, "-" before a negative one.
QString str(double value) {
    const QString text = numberText(value);
    return text.startsWith(u'-') ? text : QStringLiteral(" ") + text;
}

// Control characters (C0, DEL, C1) and the line and paragraph separators become blanks.
QString oneLine(const QString& text) {
    QString shown;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029;
        shown += control ? QChar(u' ') : c;
    }
    return shown;
}

QString date(QDate day, const QLocale& locale) {
    return locale.toString(day, QStringLiteral("dddd")) +
           QString::asprintf(",%02d,%02d,%04d", day.day(), day.month(), day.year());
}

QString fill(const char* pattern, const QString& op, Int16 step, double number) {
    QString text = QString::fromLatin1(pattern);
    text.replace(QStringLiteral("{n}"), str(number));
    text.replace(QStringLiteral("{s}"), str(step));
    return text.replace(QStringLiteral("{o}"), op);
}

// The list's series row: the blanks around each step are 3/3 three times, then 5/5, 3/5, 3/3.
QString listSeries(const GameState& s, std::size_t n) {
    static constexpr const char* groups[6] = {"{o}   {s}   ={n}",   "{o}   {s}   ={n}",
                                              "{o}   {s}   ={n}",   "{o}     {s}     ={n}",
                                              "{o}   {s}     ={n}", "{o}   {s}   ={n}"};
    QStringList parts;
    for (std::size_t k = 0; k < 6; ++k)
        parts << fill(groups[k], s.Archivio_Operatori[n][k], s.Archivio_Passi[n][k],
                      s.Archivio_Numeri[n][k]);
    return s.Archivio_Inizio[n] + QStringLiteral("   ") + parts.join(QStringLiteral("          "));
}

// The printed series row: 3/5 everywhere, split after the "=" of the third group.
std::pair<QString, QString> printedSeries(const GameState& s, std::size_t n) {
    QStringList parts;
    for (std::size_t k = 0; k < 6; ++k)
        parts << fill("{o}   {s}     ={n}", s.Archivio_Operatori[n][k], s.Archivio_Passi[n][k],
                      s.Archivio_Numeri[n][k]);
    const QString row = QStringLiteral("  ") + s.Archivio_Inizio[n] + QStringLiteral("   ") +
                        parts.join(QStringLiteral("          "));
    const QString third = str(s.Archivio_Numeri[n][2]);
    // The first text ends where the third group's number begins.
    const qsizetype cut = QStringLiteral("  ").size() + s.Archivio_Inizio[n].size() + 3 +
                          parts[0].size() + 10 + parts[1].size() + 10 + parts[2].size() -
                          third.size();
    return {row.left(cut), row.mid(cut)};
}

int exercisesShown(const GameState& s) {
    return s.Num_Esercizio < 0 ? 0 : std::min<int>(s.Num_Esercizio, 100);
}

QStringList referenceRows(const GameState& s, const SharedValues& p, QDate day,
                          const QLocale& locale) {
    QStringList rows{date(day, locale), QStringLiteral("Nome: ") + oneLine(p.Nome),
                     QStringLiteral("Classe: ") + oneLine(p.Classe), QString()};
    for (int e = 1; e <= exercisesShown(s); ++e) {
        const auto n = static_cast<std::size_t>(e);
        rows << QStringLiteral("Esercizio %1").arg(e) << listSeries(s, n)
             << QStringLiteral("Numero richiesto: ") + str(s.Risposte[n])
             << QStringLiteral("Tentativi errati: ") + str(s.Errori_Esercizio[n])
             << s.Nota_Facilitato[n] << s.Nota_Aiuto[n] << QString();
    }
    return rows;
}

QString difficulties(const GameState& s) {
    return str(s.Esercizi_Bassa) + QStringLiteral(" Difficoltà Bassa; ") + str(s.Esercizi_Media) +
           QStringLiteral(" Difficoltà Media; ") + str(s.Esercizi_Alta) +
           QStringLiteral(" Difficoltà Alta.");
}

QStringList referenceSummary(const GameState& s, const SharedValues& p, QDate day,
                             const QLocale& locale) {
    return {date(day, locale),
            oneLine(p.Nome) + QStringLiteral(" ") + oneLine(p.Classe),
            QStringLiteral("Esercizi proposti: ") + str(s.Num_Esercizio),
            QStringLiteral("Facilitati: ") + str(s.Facilitati),
            difficulties(s),
            QStringLiteral("Tentativi errati: ") + str(s.Errori),
            QStringLiteral("Chiesto aiuto: ") + str(s.Aiuti) + QStringLiteral(" volte"),
            QStringLiteral("Zorvano indovinate: ") + str(s.Indovinate_Pulite)};
}

std::vector<PrintStatement> referenceCopy(const GameState& s, const SharedValues& p, QDate day,
                                          const QLocale& locale) {
    using S = PrintStatement;
    const QString summary =
        QStringList{
            QStringLiteral("  Eseguito da: ") + oneLine(p.Nome) + QStringLiteral("  Classe ") +
                oneLine(p.Classe),
            QStringLiteral("  Esercizi proposti: ") + str(s.Num_Esercizio),
            QStringLiteral("  Facilitati: ") + str(s.Facilitati),
            difficulties(s),
            QStringLiteral("  Tentativi errati: ") + str(s.Errori),
            QStringLiteral("  Chiesto aiuto: ") + str(s.Aiuti) + QStringLiteral(" volte"),
            QStringLiteral("  Zorvano indovinate: ") + str(s.Indovinate_Pulite),
        }
            .join(u'\r');
    std::vector<S> copy{S::print(QStringLiteral("\r"), QStringLiteral("\r")),
                        S::print(date(day, locale)), S::print(QStringLiteral("\r")),
                        S::print(summary), S::print(QStringLiteral("\r"))};
    for (int e = 1; e <= exercisesShown(s); ++e) {
        const auto n = static_cast<std::size_t>(e);
        const auto [first, second] = printedSeries(s, n);
        copy.insert(copy.end(),
                    {S::fontSize(10), S::print(QStringLiteral("  Esercizio %1").arg(e)),
                     S::print(first, second),
                     S::print(QStringLiteral("  Numero richiesto: ") + str(s.Risposte[n])),
                     S::print(QStringLiteral("  Tentativi errati: ") + str(s.Errori_Esercizio[n])),
                     S::print(QStringLiteral("  ") + s.Nota_Facilitato[n]),
                     S::print(QStringLiteral("  ") + s.Nota_Aiuto[n]),
                     S::print(QStringLiteral("\r"))});
    }
    copy.push_back(S::newPage());
    return copy;
}

// --- The harness ---------------------------------------------------------------------------

class Recorder final : public Printer {
  public:
    void setFontName(const QString& name) override {
        got.push_back(PrintStatement::fontName(name));
    }
    void setFontSize(double points) override { got.push_back(PrintStatement::fontSize(points)); }
    void setPosition(QPoint twips) override { got.push_back(PrintStatement::position(twips)); }
    void print(const QString& a, const QString& b) override {
        got.push_back(PrintStatement::print(a, b));
    }
    void newPage() override { got.push_back(PrintStatement::newPage()); }
    void endDoc() override { got.push_back(PrintStatement::endDoc()); }
    std::vector<PrintStatement> got;
};

QString shown(const PrintStatement& s) {
    return QStringLiteral("op %1 [%2][%3] %4 %5,%6")
        .arg(static_cast<int>(s.op))
        .arg(s.first, s.second)
        .arg(s.points)
        .arg(s.twips.x())
        .arg(s.twips.y());
}

[[noreturn]] void fail(const char* what, qsizetype row, const QString& got,
                       const QString& expected) {
    std::fprintf(stderr, "%s, row %lld:\n  got      \"%s\"\n  expected \"%s\"\n", what,
                 static_cast<long long>(row), got.toUtf8().constData(),
                 expected.toUtf8().constData());
    std::abort();
}

void compare(const char* what, const QStringList& got, const QStringList& expected) {
    for (qsizetype i = 0; i < std::max(got.size(), expected.size()); ++i) {
        const QString a = i < got.size() ? got[i] : QStringLiteral("<none>");
        const QString b = i < expected.size() ? expected[i] : QStringLiteral("<none>");
        if (a != b)
            fail(what, i, a, b);
    }
}

void compare(const char* what, const std::vector<PrintStatement>& got,
             const std::vector<PrintStatement>& expected) {
    QStringList a, b;
    for (const auto& s : got)
        a << shown(s);
    for (const auto& s : expected)
        b << shown(s);
    compare(what, a, b);
}

QString text(FuzzedDataProvider& in, std::size_t longest) {
    return QString::fromUtf8(in.ConsumeRandomLengthString(longest));
}

double number(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: return in.ConsumeIntegral<std::int32_t>();
    case 1: return in.ConsumeIntegral<std::int32_t>() / 8.0;
    default: return in.ConsumeFloatingPoint<double>();
    }
}

const std::array<QLocale, 4> locales{QLocale(QLocale::Italian, QLocale::Italy), QLocale::c(),
                                     QLocale(QLocale::German, QLocale::Germany),
                                     QLocale(QLocale::Arabic, QLocale::Egypt)};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    SharedValues player;
    player.Nome = text(in, 48);
    player.Classe = text(in, 16);
    const QLocale& locale = locales[in.ConsumeIntegralInRange<std::size_t>(0, locales.size() - 1)];
    const QDate day = QDate(2000, 1, 1).addDays(in.ConsumeIntegralInRange(-700000, 2900000));
    const int copies = in.ConsumeIntegralInRange(-1, 3);

    GameState state;
    state.Num_Esercizio =
        in.ConsumeBool() ? in.ConsumeIntegralInRange<Int16>(-2, 103) : in.ConsumeIntegral<Int16>();
    for (Int16* counter : {&state.Indovinati, &state.Aiuti, &state.Errori, &state.Esercizi_Errati,
                           &state.Indovinate_Pulite, &state.Esercizi_Bassa, &state.Esercizi_Media,
                           &state.Esercizi_Alta, &state.Facilitati})
        *counter = in.ConsumeIntegral<Int16>();
    // Every row holds something, also past the exercises shown, so a row read too far shows.
    const QString lastOperator = text(in, 3);
    for (std::size_t n = 0; n < state.Risposte.size(); ++n) {
        const bool fuzzed =
            n >= 1 && static_cast<int>(n) <= exercisesShown(state) && in.remaining_bytes() > 0;
        state.Archivio_Inizio[n] = fuzzed ? text(in, 3) : QStringLiteral("#%1").arg(n);
        for (std::size_t k = 0; k < 6; ++k) {
            state.Archivio_Operatori[n][k] = fuzzed ? text(in, 2) : lastOperator;
            state.Archivio_Passi[n][k] = fuzzed ? in.ConsumeIntegral<Int16>() : Int16{-7};
            state.Archivio_Numeri[n][k] = fuzzed ? number(in) : -0.5 - static_cast<double>(n);
        }
        state.Risposte[n] = fuzzed ? number(in) : 1e300;
        state.Errori_Esercizio[n] = fuzzed ? in.ConsumeIntegral<Int16>() : Int16{-1};
        state.Nota_Facilitato[n] = fuzzed ? text(in, 12) : QStringLiteral("never %1").arg(n);
        state.Nota_Aiuto[n] = fuzzed ? text(in, 16) : QStringLiteral("never %1").arg(n);
    }

    compare("results rows", resultsRows(state, player, day, locale),
            referenceRows(state, player, day, locale));
    compare("results summary", resultsSummary(state, player, day, locale).split(u'\r'),
            referenceSummary(state, player, day, locale));
    const std::vector<PrintStatement> copy = referenceCopy(state, player, day, locale);
    compare("report copy", reportCopy(state, player, day, locale), copy);

    std::vector<PrintStatement> document{PrintStatement::fontName(QStringLiteral("Arial")),
                                         PrintStatement::fontSize(12),
                                         PrintStatement::position({2, 3})};
    for (int c = 0; c < copies; ++c)
        document.insert(document.end(), copy.begin(), copy.end());
    document.push_back(PrintStatement::endDoc());
    Recorder printer;
    printReport(printer, state, player, day, locale, copies);
    compare("printed document", printer.got, document);
    return 0;
}
