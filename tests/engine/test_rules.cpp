#include "engine/number_text.h"
#include "engine/rules.h"
#include "support/fake_random.h"

#include <QTest>
#include <limits>
#include <random>

using namespace ortambra;
using ortambra::testing::FakeRandom;

namespace {

constexpr Int16 top = std::numeric_limits<Int16>::max();

const QString wrong = QString::fromUtf8("  Non è esatto!");
const QString helpNote = QStringLiteral("Chiesto aiuto");
const QString facilitatedNote = QStringLiteral("Facilitato");

} // namespace

Q_DECLARE_METATYPE(rules::Verdict)

class RulesTest : public QObject {
    Q_OBJECT

  private slots:
    // Attempts typed in one exercise whose hidden number reads `hidden`.
    void answers_data() {
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("counted"); // Errore_Contato left set by the exercise before
        QTest::addColumn<rules::Verdict>("verdict"); // of the last attempt
        QTest::addColumn<QString>("feedback");
        QTest::addColumn<int>("numeroErrato");
        QTest::addColumn<int>("indovinati");
        QTest::addColumn<int>("errori");
        QTest::addColumn<int>("eserciziErrati");
        QTest::addColumn<int>("erroriEsercizio");
        QTest::addColumn<double>("risposta");
        QTest::addColumn<bool>("erroreContato");

        using V = rules::Verdict;
        const QString right = QStringLiteral("Indovinato!");
        // clang-format off
        QTest::newRow("empty") << "7" << QStringList{""} << false << V::Ignored << "" << 0 << 0 << 0 << 0 << 0 << 0.0 << false;
        QTest::newRow("letters") << "7" << QStringList{"abc"} << false << V::Ignored << "" << 0 << 0 << 0 << 0 << 0 << 0.0 << false;
        QTest::newRow("zero") << "7" << QStringList{"0.0"} << false << V::Ignored << "" << 0 << 0 << 0 << 0 << 0 << 0.0 << false;
        QTest::newRow("right") << "7" << QStringList{"7"} << false << V::Right << right << 0 << 1 << 0 << 0 << 0 << 7.0 << false;
        QTest::newRow("blanks inside") << "77" << QStringList{"7 7"} << false << V::Right << right << 0 << 1 << 0 << 0 << 0 << 77.0 << false;
        QTest::newRow("7.0 is 7") << "7" << QStringList{"7.0"} << false << V::Right << right << 0 << 1 << 0 << 0 << 0 << 7.0 << false;
        QTest::newRow("digits then letters") << "12" << QStringList{"12abc"} << false << V::Right << right << 0 << 1 << 0 << 0 << 0 << 12.0 << false;
        QTest::newRow("half to even down") << "7" << QStringList{"4.5"} << false << V::Wrong << " 4" + wrong << 4 << 0 << 1 << 1 << 1 << 0.0 << true;
        QTest::newRow("half to even up") << "7" << QStringList{"3.5"} << false << V::Wrong << " 4" + wrong << 4 << 0 << 1 << 1 << 1 << 0.0 << true;
        QTest::newRow("negative") << "7" << QStringList{"-3"} << false << V::Wrong << "-3" + wrong << -3 << 0 << 1 << 1 << 1 << 0.0 << true;
        // Too large for 16 bits: shown, not stored.
        QTest::newRow("beyond 16 bits") << "7" << QStringList{"99999"} << false << V::Wrong << " 99999" + wrong << 0 << 0 << 1 << 1 << 1 << 0.0 << true;
        QTest::newRow("two wrong, then right") << "7" << QStringList{"5", "6", "7"} << false << V::Right << right << 6 << 1 << 2 << 1 << 2 << 7.0 << false;
        QTest::newRow("ignored between wrong") << "7" << QStringList{"5", "", "x", "6"} << false << V::Wrong << " 6" + wrong << 6 << 0 << 2 << 1 << 2 << 0.0 << true;
        // An exercise left after a wrong answer keeps the flag: this one's first wrong attempt
        // is not counted as a failed exercise again.
        QTest::newRow("flag left set") << "7" << QStringList{"5"} << true << V::Wrong << " 5" + wrong << 5 << 0 << 1 << 0 << 1 << 0.0 << true;
        QTest::newRow("flag left set, right") << "7" << QStringList{"7"} << true << V::Right << right << 0 << 1 << 0 << 0 << 0 << 7.0 << false;
        // clang-format on
    }

    void answers() {
        QFETCH(QString, hidden);
        QFETCH(QStringList, typed);
        QFETCH(bool, counted);
        // Exercise 3 of a game, so a row written one too high or low shows.
        GameState state;
        state.Num_Esercizio = 3;
        state.Errore_Contato = counted;
        rules::AnswerOutcome outcome;
        for (const QString& text : typed)
            outcome = rules::giveAnswer(state, text, hidden);

        QTEST(outcome.verdict, "verdict");
        QTEST(outcome.feedback, "feedback");
        QTEST(int{state.Numero_Errato}, "numeroErrato");
        QTEST(int{state.Indovinati}, "indovinati");
        QTEST(int{state.Errori}, "errori");
        QTEST(int{state.Esercizi_Errati}, "eserciziErrati");
        QTEST(int{state.Errori_Esercizio[3]}, "erroriEsercizio");
        QTEST(state.Risposte[3], "risposta");
        QTEST(state.Errore_Contato, "erroreContato");
        for (int other : {2, 4}) {
            QCOMPARE(state.Risposte[at(other)], 0.0);
            QCOMPARE(state.Errori_Esercizio[at(other)], Int16{0});
        }
    }

    // Before the first exercise nothing is answered or helped with, and row 0 stays unused.
    void noExerciseNoAnswerNorHelp() {
        GameState state;
        QCOMPARE(rules::giveAnswer(state, "7", "7").verdict, rules::Verdict::Ignored);
        QCOMPARE(state.Indovinati, Int16{0});
        rules::recordHelp(state);
        QCOMPARE(state.Aiuti, Int16{0});
        QCOMPARE(state.Nota_Aiuto[0], QString());
    }

    // Per exercise: the mode and the facilitated flag it is proposed with, and whether help is
    // asked in it; the counts and notes of every row afterwards.
    void exercises_data() {
        QTest::addColumn<QList<int>>("modes");
        QTest::addColumn<QList<bool>>("facilitated");
        QTest::addColumn<QList<bool>>("helped");
        QTest::addColumn<QList<int>>("perMode"); // Bassa, Media, Alta
        QTest::addColumn<int>("facilitati");
        QTest::addColumn<int>("aiuti"); // each helped exercise asks twice

        QTest::newRow("one of each mode")
            << QList<int>{1, 2, 3} << QList<bool>{false, false, false}
            << QList<bool>{false, false, false} << QList<int>{1, 1, 1} << 0 << 0;
        QTest::newRow("facilitated, then not")
            << QList<int>{1, 1, 1} << QList<bool>{true, false, true}
            << QList<bool>{true, false, false} << QList<int>{3, 0, 0} << 2 << 2;
        QTest::newRow("help in the first, then a new exercise")
            << QList<int>{2, 3} << QList<bool>{true, true} << QList<bool>{true, false}
            << QList<int>{0, 1, 1} << 2 << 2;
        QTest::newRow("help in alternate exercises")
            << QList<int>{3, 3, 3, 1} << QList<bool>{true, true, true, true}
            << QList<bool>{false, true, false, true} << QList<int>{1, 0, 3} << 4 << 4;
    }

    void exercises() {
        QFETCH(QList<int>, modes);
        QFETCH(QList<bool>, facilitated);
        QFETCH(QList<bool>, helped);
        FakeRandom random(7);
        GameState state;
        for (int i = 0; i < modes.size(); ++i) {
            rules::chooseMode(state, static_cast<Mode>(modes[i]));
            if (state.Facilitato != facilitated[i])
                rules::toggleFacilitated(state);
            QVERIFY(rules::startExercise(state, random));
            const int n = i + 1;
            QCOMPARE(int{state.Num_Esercizio}, n);
            // The series drawn is the one filed in its own row.
            for (int k = 0; k < 6; ++k) {
                QCOMPARE(state.Archivio_Numeri[at(n)][at(k)], state.Serie.Numeri[at(k)]);
                QCOMPARE(state.Archivio_Passi[at(n)][at(k)], state.Serie.stepAt(k));
            }
            QCOMPARE(state.Archivio_Inizio[at(n)], QString::number(state.Serie.startValue()));
            if (helped[i]) {
                rules::recordHelp(state);
                rules::recordHelp(state); // the partial help and the solution: one note
            }
        }
        QFETCH(QList<int>, perMode);
        QCOMPARE((QList<int>{state.Esercizi_Bassa, state.Esercizi_Media, state.Esercizi_Alta}),
                 perMode);
        QTEST(int{state.Facilitati}, "facilitati");
        QTEST(int{state.Aiuti}, "aiuti");
        for (int i = 0; i < modes.size(); ++i) {
            const auto row = at(i + 1);
            QCOMPARE(state.Nota_Facilitato[row], facilitated[i] ? facilitatedNote : QString());
            QCOMPARE(state.Nota_Aiuto[row], helped[i] ? helpNote : QString());
        }
        QCOMPARE(state.Nota_Facilitato[static_cast<std::size_t>(modes.size()) + 1], QString());
    }

    void hundredExercisesThenNoMore() {
        FakeRandom random(3);
        GameState state;
        for (int n = 1; n <= GameState::MaxExercises; ++n)
            QVERIFY(rules::startExercise(state, random));
        const GameState full = state;
        const int draws = random.drawsTaken();
        QVERIFY(!rules::startExercise(state, random));
        QCOMPARE(state.Num_Esercizio, Int16{100});
        QCOMPARE(state.Esercizi_Bassa, Int16{100});
        QCOMPARE(random.drawsTaken(), draws);
        QCOMPARE(state.Archivio_Numeri, full.Archivio_Numeri);
    }

    void countersSaturate() {
        GameState state;
        state.Num_Esercizio = 1;
        state.Errori = top - 1;
        state.Errori_Esercizio[1] = top - 1;
        state.Aiuti = top;
        for (int i = 0; i < 3; ++i)
            rules::giveAnswer(state, "5", "7");
        rules::recordHelp(state);
        QCOMPARE(state.Errori, top);
        QCOMPARE(state.Errori_Esercizio[1], top);
        QCOMPARE(state.Aiuti, top);
        QCOMPARE(state.Esercizi_Errati, Int16{1});
    }

    void settings() {
        GameState state;
        QVERIFY(!rules::chooseLargest(state, 1));
        QVERIFY(!rules::chooseLargest(state, 11));
        QCOMPARE(state.Massimo, Int16{3});
        QVERIFY(rules::chooseLargest(state, 10));
        QCOMPARE(state.Massimo, Int16{10});
        rules::chooseMode(state, static_cast<Mode>(4));
        QCOMPARE(state.Operazioni, Mode::OnlySums);
        QVERIFY(rules::toggleFacilitated(state));
        QVERIFY(!rules::toggleFacilitated(state));
    }

    // A whole game of seeded pupils, each attempt judged by a tally of its own.
    void hundredExerciseTally() {
        std::mt19937 pupil(11);
        FakeRandom random(5);
        GameState state;
        int indovinati = 0, errori = 0, errati = 0, aiuti = 0;
        bool flag = false;
        for (int n = 1; n <= GameState::MaxExercises; ++n) {
            QVERIFY(rules::startExercise(state, random));
            const double hidden = state.Serie.Numeri[at(state.Serie.Posizione_Mancante)];
            const int wrongTries = static_cast<int>(pupil() % 3);
            for (int w = 0; w < wrongTries; ++w) {
                QCOMPARE(
                    rules::giveAnswer(state, strText(hidden + 1 + w), generalText(hidden)).verdict,
                    rules::Verdict::Wrong);
                ++errori;
                errati += flag ? 0 : 1;
                flag = true;
            }
            if (pupil() % 4 == 0) {
                rules::recordHelp(state);
                ++aiuti;
            }
            if (pupil() % 5 != 0) { // otherwise the pupil moves on without answering
                QCOMPARE(rules::giveAnswer(state, generalText(hidden), generalText(hidden)).verdict,
                         rules::Verdict::Right);
                ++indovinati;
                flag = false;
                QCOMPARE(state.Risposte[at(n)], hidden);
            }
            QCOMPARE(int{state.Errori_Esercizio[at(n)]}, wrongTries);
        }
        QCOMPARE(int{state.Indovinati}, indovinati);
        QCOMPARE(int{state.Errori}, errori);
        QCOMPARE(int{state.Esercizi_Errati}, errati);
        QCOMPARE(int{state.Aiuti}, aiuti);
        QCOMPARE(state.Errore_Contato, flag);
        state.refreshCleanSuccesses();
        QCOMPARE(int{state.Indovinate_Pulite}, std::max(0, indovinati - errati - aiuti));
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
