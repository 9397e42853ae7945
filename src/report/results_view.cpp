#include "results_view.h"

#include "engine/number_text.h"
#include "report_text.h"
#include "single_line.h"

namespace ortambra {

using namespace report_text;

QString resultsSummary(const GameState& state, const SharedValues& player, QDate date,
                       const QLocale& locale) {
    QStringList lines{dateText(date, locale),
                      singleLine(player.Nome) + u' ' + singleLine(player.Classe)};
    lines << counterLines(state, {});
    return lines.join(u'\r');
}

QString resultsSeriesRow(const GameState& state, int n) {
    // The list has always been spaced so.
    static constexpr SeriesSpacing screen{.beforeStep = {3, 3, 3, 5, 3, 3},
                                          .afterStep = {3, 3, 3, 5, 5, 3}};
    return seriesRow(state, n, screen).first;
}

QStringList resultsRows(const GameState& state, const SharedValues& player, QDate date,
                        const QLocale& locale) {
    QStringList rows{dateText(date, locale), QStringLiteral("Nome: ") + singleLine(player.Nome),
                     QStringLiteral("Classe: ") + singleLine(player.Classe), QString()};
    for (int n = 1; n <= lastArchived(state); ++n) {
        const QStringList lines = exerciseLines(state, n, {});
        rows << lines.first() << resultsSeriesRow(state, n) << lines.mid(1) << QString();
    }
    return rows;
}

} // namespace ortambra
