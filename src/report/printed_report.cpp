#include "printed_report.h"

#include "engine/number_text.h"
#include "report_text.h"
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
    static constexpr SeriesSpacing paper{.indent = 2,
                                         .beforeStep = {3, 3, 3, 3, 3, 3},
                                         .afterStep = {5, 5, 5, 5, 5, 5},
                                         .breakAfter = 2};
    return seriesRow(state, n, paper);
}

std::vector<PrintStatement> reportCopy(const GameState& state, const SharedValues& player,
                                       QDate date, const QLocale& locale) {
    using S = PrintStatement;
    const QString cr(u'\r');
    const QString indent = blanks(2);
    QStringList summary{indent + QStringLiteral("Eseguito da: ") + singleLine(player.Nome) +
                        QStringLiteral("  Classe ") + singleLine(player.Classe)};
    summary << counterLines(state, indent);
    std::vector<PrintStatement> copy{S::print(cr, cr), S::print(dateText(date, locale)),
                                     S::print(cr), S::print(summary.join(cr)), S::print(cr)};
    for (int n = 1; n <= lastArchived(state); ++n) {
        const QStringList lines = exerciseLines(state, n, indent);
        const auto [seriesFirst, seriesSecond] = printedSeriesRow(state, n);
        copy.push_back(S::fontSize(10));
        copy.push_back(S::print(lines.first()));
        copy.push_back(S::print(seriesFirst, seriesSecond));
        for (const QString& line : lines.mid(1))
            copy.push_back(S::print(line));
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
