#include "report_text.h"

#include "engine/number_text.h"

#include <algorithm>

namespace ortambra {

namespace report_text {

QString difficultyLine(const GameState& state) {
    return strText(state.Esercizi_Bassa) + QStringLiteral(" Difficoltà Bassa; ") +
           strText(state.Esercizi_Media) + QStringLiteral(" Difficoltà Media; ") +
           strText(state.Esercizi_Alta) + QStringLiteral(" Difficoltà Alta.");
}

int lastArchived(const GameState& state) {
    return std::clamp(int{state.Num_Esercizio}, 0, GameState::MaxExercises);
}

QString blanks(int count) { return QString(count, u' '); }

QStringList counterLines(const GameState& state, const QString& indent) {
    return {
        indent + QStringLiteral("Esercizi proposti: ") + strText(state.Num_Esercizio),
        indent + QStringLiteral("Facilitati: ") + strText(state.Facilitati),
        difficultyLine(state),
        indent + QStringLiteral("Tentativi errati: ") + strText(state.Errori),
        indent + QStringLiteral("Chiesto aiuto: ") + strText(state.Aiuti) +
            QStringLiteral(" volte"),
        indent + QStringLiteral("Zorvano indovinate: ") + strText(state.Indovinate_Pulite),
    };
}

QStringList exerciseLines(const GameState& state, int n, const QString& indent) {
    const auto row = at(n);
    return {
        indent + QStringLiteral("Esercizio ") + plainText(n),
        indent + QStringLiteral("Numero richiesto: ") + strText(state.Risposte[row]),
        indent + QStringLiteral("Tentativi errati: ") + strText(state.Errori_Esercizio[row]),
        indent + state.Nota_Facilitato[row],
        indent + state.Nota_Aiuto[row],
    };
}

std::pair<QString, QString> seriesRow(const GameState& state, int n, const SeriesSpacing& spacing) {
    const auto row = at(n);
    QString first = blanks(spacing.indent) + state.Archivio_Inizio[row] + blanks(3);
    QString second;
    QString* text = &first;
    for (int k = 0; k < SeriesLength; ++k) {
        const auto i = at(k);
        if (k > 0)
            *text += blanks(10);
        *text += state.Archivio_Operatori[row][i] + blanks(spacing.beforeStep[i]) +
                 strText(state.Archivio_Passi[row][i]) + blanks(spacing.afterStep[i]) + u'=';
        if (k == spacing.breakAfter)
            text = &second;
        *text += strText(state.Archivio_Numeri[row][i]);
    }
    return {first, second};
}

} // namespace report_text

} // namespace ortambra
