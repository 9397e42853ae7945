#include "printed_report.h"

#include "engine/number_text.h"
#include "report_text.h"
#include "results_view.h"
#include "single_line.h"

namespace ortambra {

using namespace report_text;

void play(Printer& printer, const PrintStatement& statement) {
    switch (statement.op) {
    case PrintStatement::Op::FontName: printer.setFontName(statement.first); break;
    case PrintStatement::Op::FontSize: printer.setFontSize(statement.points); break;
    case PrintStatement::Op::Position: printer.setPosition(statement.twips); break;
    case PrintStatement::Op::Print: printer.print(statement.first, statement.second); break;
    case PrintStatement::Op::NewPage: printer.newPage(); break;
    case PrintStatement::Op::EndDoc: printer.endDoc(); break;
    }
}

std::pair<QString, QString> printedSeriesRow(const GameState& state, int n) {
    const auto row = at(n);
    const auto group = [&](std::size_t k, bool withNumber) {
        QString text = state.Archivio_Operatori[row][k] + blanks(3) +
                       strText(state.Archivio_Passi[row][k]) + blanks(5) + u'=';
        return withNumber ? text + strText(state.Archivio_Numeri[row][k]) : text;
    };
    const QString gap = blanks(10);
    QString first = blanks(2) + state.Archivio_Inizio[row] + blanks(3) + group(0, true) + gap +
                    group(1, true) + gap + group(2, false);
    QString second = strText(state.Archivio_Numeri[row][2]) + gap + group(3, true) + gap +
                     group(4, true) + gap + group(5, true);
    return {first, second};
}

std::vector<PrintStatement> reportCopy(const GameState& state, const SharedValues& player,
                                       QDate date, const QLocale& locale) {
    using S = PrintStatement;
    const QString cr(u'\r');
    const QString indent = blanks(2);
    const QStringList summary{
        indent + QStringLiteral("Eseguito da: ") + singleLine(player.Nome) +
            QStringLiteral("  Classe ") + singleLine(player.Classe),
        indent + QStringLiteral("Esercizi proposti: ") + strText(state.Num_Esercizio),
        indent + QStringLiteral("Facilitati: ") + strText(state.Facilitati),
        difficultyLine(state),
        indent + QStringLiteral("Tentativi errati: ") + strText(state.Errori),
        indent + QStringLiteral("Chiesto aiuto: ") + strText(state.Aiuti) +
            QStringLiteral(" volte"),
        indent + QStringLiteral("Zorvano indovinate: ") + strText(state.Indovinate_Pulite),
    };
    std::vector<PrintStatement> copy{S::print(cr, cr), S::print(dateText(date, locale)),
                                     S::print(cr), S::print(summary.join(cr)), S::print(cr)};
    for (int n = 1; n <= lastArchived(state); ++n) {
        const auto row = at(n);
        const auto [seriesFirst, seriesSecond] = printedSeriesRow(state, n);
        copy.push_back(S::fontSize(10));
        copy.push_back(S::print(indent + QStringLiteral("Esercizio ") + plainText(n)));
        copy.push_back(S::print(seriesFirst, seriesSecond));
        copy.push_back(
            S::print(indent + QStringLiteral("Numero richiesto: ") + strText(state.Risposte[row])));
        copy.push_back(S::print(indent + QStringLiteral("Tentativi errati: ") +
                                strText(state.Errori_Esercizio[row])));
        copy.push_back(S::print(indent + state.Nota_Facilitato[row]));
        copy.push_back(S::print(indent + state.Nota_Aiuto[row]));
        copy.push_back(S::print(cr));
    }
    copy.push_back(S::newPage());
    return copy;
}

void printReport(Printer& printer, const GameState& state, const SharedValues& player, QDate date,
                 const QLocale& locale, int copies) {
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(12);
    // Practically the top left corner; every later line starts at the left edge.
    printer.setPosition({2, 3});
    if (copies > 0) {
        // The text is the same for every copy; only the font size in force differs.
        const std::vector<PrintStatement> copy = reportCopy(state, player, date, locale);
        for (int c = 1; c <= copies; ++c) {
            for (const auto& statement : copy)
                play(printer, statement);
        }
    }
    printer.endDoc();
}

} // namespace ortambra
