#include "game_state.h"

namespace ortambra {

void GameState::refreshCleanSuccesses() {
    const int clean = int{Indovinati} - Esercizi_Errati - Aiuti;
    Indovinate_Pulite = clean < 1 ? Int16{0} : static_cast<Int16>(clean);
}

void GameState::archive(int n, const Series& series) {
    if (n < 1 || n > MaxExercises)
        return; // nothing is ever written past the tables
    const auto row = at(n);
    Archivio_Inizio[row] = QString::number(series.startValue());
    for (int k = 0; k < SeriesLength; ++k) {
        Archivio_Numeri[row][at(k)] = series.Numeri[at(k)];
        Archivio_Passi[row][at(k)] = series.stepAt(k);
        Archivio_Operatori[row][at(k)] = operatorCaption(series.opAt(k));
    }
}

} // namespace ortambra
