#include "results_view.h"

#include "engine/number_text.h"
#include "report_text.h"
#include "single_line.h"

#include <algorithm>

namespace ortambra {

using namespace report_text;

QString resultsSummary(const GameState& state, const SharedValues& player, QDate date,
                       const QLocale& locale) {
    const QStringList lines{
        dateText(date, locale),
        singleLine(player.Nome) + u' ' + singleLine(player.Classe),
        QStringLiteral("Esercizi proposti: ") + strText(state.Num_Esercizio),
        QStringLiteral("Facilitati: ") + strText(state.Facilitati),
        difficultyLine(state),
        QStringLiteral("Tentativi errati: ") + strText(state.Errori),
        QStringLiteral("Chiesto aiuto: ") + strText(state.Aiuti) + QStringLiteral(" volte"),
        QStringLiteral("Zorvano indovinate: ") + strText(state.Indovinate_Pulite),
    };
    return lines.join(u'\r');
}

QString resultsSeriesRow(const GameState& state, int n) {
    // Blanks before and after the step of each position; the list has always been spaced so.
    static constexpr std::array<int, SeriesLength> before{3, 3, 3, 5, 3, 3};
    static constexpr std::array<int, SeriesLength> after{3, 3, 3, 5, 5, 3};
    const auto row = at(n);
    QString text = state.Archivio_Inizio[row] + blanks(3);
    for (std::size_t k = 0; k < at(SeriesLength); ++k) {
        if (k > 0)
            text += blanks(10);
        text += state.Archivio_Operatori[row][k] + blanks(before[k]) +
                strText(state.Archivio_Passi[row][k]) + blanks(after[k]) + u'=' +
                strText(state.Archivio_Numeri[row][k]);
    }
    return text;
}

QStringList resultsRows(const GameState& state, const SharedValues& player, QDate date,
                        const QLocale& locale) {
    QStringList rows{dateText(date, locale), QStringLiteral("Nome: ") + singleLine(player.Nome),
                     QStringLiteral("Classe: ") + singleLine(player.Classe), QString()};
    for (int n = 1; n <= lastArchived(state); ++n) {
        const auto row = at(n);
        rows << QStringLiteral("Esercizio ") + plainText(n) << resultsSeriesRow(state, n)
             << QStringLiteral("Numero richiesto: ") + strText(state.Risposte[row])
             << QStringLiteral("Tentativi errati: ") + strText(state.Errori_Esercizio[row])
             << state.Nota_Facilitato[row] << state.Nota_Aiuto[row] << QString();
    }
    return rows;
}

} // namespace ortambra
