#pragma once

#include "int16.h"
#include "series.h"

#include <QString>
#include <array>

namespace ortambra {

// The state record of a game: settings, counters and the history of every exercise, for one run
// of the program. The main window owns one; the results view and the report only read it.
struct GameState {
    // Exercises are numbered from 1; row 0 of every per-exercise table is never used.
    static constexpr int MaxExercises = 100;
    template <typename T> using PerExercise = std::array<T, MaxExercises + 1>;

    // Settings, changed from the menus and the facilitated toggle.
    Int16 Massimo = 3;
    Mode Operazioni = Mode::OnlySums;
    bool Facilitato = false;

    // Counters, never reset during a run.
    Int16 Num_Esercizio = 0;
    Int16 Indovinati = 0;
    Int16 Aiuti = 0;
    Int16 Errori = 0;
    Int16 Esercizi_Errati = 0;
    Int16 Indovinate_Pulite = 0; // derived, refreshed by the results and the report
    Int16 Esercizi_Bassa = 0;
    Int16 Esercizi_Media = 0;
    Int16 Esercizi_Alta = 0;
    Int16 Facilitati = 0;

    // The exercise on screen.
    Series Serie;
    bool Errore_Contato = false; // a wrong attempt was already counted in Esercizi_Errati
    Int16 Numero_Errato = 0;

    // History, one row per exercise.
    PerExercise<std::array<double, SeriesLength>> Archivio_Numeri{};
    PerExercise<std::array<Int16, SeriesLength>> Archivio_Passi{};
    PerExercise<QString> Archivio_Inizio{};
    PerExercise<std::array<QString, SeriesLength>> Archivio_Operatori{};
    PerExercise<double> Risposte{};
    PerExercise<Int16> Errori_Esercizio{};
    PerExercise<QString> Nota_Facilitato{};
    PerExercise<QString> Nota_Aiuto{};

    bool exercisesExhausted() const { return Num_Esercizio >= MaxExercises; }

    // Clean successes: right answers less failed exercises and help requests, never below 0.
    void refreshCleanSuccesses();

    // Files `series` as exercise `n` (1 ... MaxExercises) in the archive tables.
    void archive(int n, const Series& series);
};

} // namespace ortambra
