#include "report/results_view.h"
#include "support/report_states.h"

#include <QtTest>

Q_DECLARE_METATYPE(ortambra::Series)

using namespace ortambra;
using namespace ortambra::testing;

namespace {

const QDate monday(2026, 12, 7);
const QLocale italian(QLocale::Italian, QLocale::Italy);

// The list rows of exercise n: seven from row 4 + 7 * (n - 1).
QStringList block(const QStringList& rows, int n) { return rows.mid(4 + 7 * (n - 1), 7); }

} // namespace

class TestResultsView : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(italian); }

    void beforeAnyExercise() {
        const GameState state;
        const SharedValues player{QStringLiteral("Anna"), QStringLiteral("3B")};
        QCOMPARE(resultsSummary(state, player, monday, italian),
                 QStringLiteral("lunedì,07,12,2026\r"
                                "Anna 3B\r"
                                "Esercizi proposti:  0\r"
                                "Facilitati:  0\r"
                                " 0 Difficoltà Bassa;  0 Difficoltà Media;  0 Difficoltà Alta.\r"
                                "Tentativi errati:  0\r"
                                "Chiesto aiuto:  0 volte\r"
                                "Zorvano indovinate:  0"));
        QCOMPARE(resultsRows(state, player, monday, italian),
                 (QStringList{"lunedì,07,12,2026", "Nome: Anna", "Classe: 3B", ""}));
    }

    void emptyNameAndClass() {
        const GameState state;
        const SharedValues nobody;
        QCOMPARE(resultsSummary(state, nobody, monday, italian).split(u'\r').at(1),
                 QStringLiteral(" "));
        QCOMPARE(resultsRows(state, nobody, monday, italian).mid(1, 2),
                 (QStringList{"Nome: ", "Classe: "}));
    }

    // The name and class are kept as typed, but each reads on its one line: a pasted line
    // break cannot start a line that looks like a count.
    void namesStayOnTheirLine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("shownClass");
        QTest::newRow("pasted count") << "Anna\nEsercizi proposti:  999"
                                      << "3B"
                                      << "Anna Esercizi proposti:  999"
                                      << "3B";
        QTest::newRow("carriage return and line feed") << "Anna\r\nBruno"
                                                       << "3\rB"
                                                       << "Anna  Bruno"
                                                       << "3 B";
        QTest::newRow("tab, escape, delete, next line")
            << QStringLiteral("A\tB\x1b[2JC\x7f") << QStringLiteral("4\u0085A")
            << QStringLiteral("A B [2JC ") << QStringLiteral("4 A");
        QTest::newRow("unicode line and paragraph separators")
            << QStringLiteral("Luca\u2028Rossi") << QStringLiteral("\u20295C")
            << QStringLiteral("Luca Rossi") << QStringLiteral(" 5C");
        QTest::newRow("accents, emoji and outer blanks kept")
            << QStringLiteral("  Nicol\u00f2 \U0001F600 ") << QStringLiteral("2\u00aaA")
            << QStringLiteral("  Nicol\u00f2 \U0001F600 ") << QStringLiteral("2\u00aaA");
    }
    void namesStayOnTheirLine() {
        QFETCH(QString, name);
        QFETCH(QString, classe);
        QFETCH(QString, shownName);
        QFETCH(QString, shownClass);
        GameState state;
        addExercise(state, sumsOneTwoThree());
        const SharedValues player{name, classe};
        const QStringList lines = resultsSummary(state, player, monday, italian).split(u'\r');
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.at(1), shownName + u' ' + shownClass);
        QCOMPARE(lines.at(2), QStringLiteral("Esercizi proposti:  1"));
        const QStringList rows = resultsRows(state, player, monday, italian);
        QCOMPARE(rows.size(), 4 + 7);
        QCOMPARE(rows.mid(1, 3), (QStringList{"Nome: " + shownName, "Classe: " + shownClass, ""}));
        for (const QString& row : rows) {
            QVERIFY2(!row.contains(u'\n') && !row.contains(u'\r'), qPrintable(row));
        }
        QCOMPARE(player.Nome, name); // the pupil's own text is not touched
    }

    void counters() {
        GameState state;
        state.Num_Esercizio = 15;
        state.Facilitati = 4;
        state.Esercizi_Bassa = 12;
        state.Esercizi_Alta = 3;
        state.Errori = 27;
        state.Aiuti = 2;
        state.Indovinati = 9;
        state.Esercizi_Errati = 5;
        state.refreshCleanSuccesses();
        const QStringList lines = resultsSummary(state, {}, monday, italian).split(u'\r').mid(2);
        QCOMPARE(lines, (QStringList{
                            "Esercizi proposti:  15",
                            "Facilitati:  4",
                            " 12 Difficoltà Bassa;  0 Difficoltà Media;  3 Difficoltà Alta.",
                            "Tentativi errati:  27",
                            "Chiesto aiuto:  2 volte",
                            "Zorvano indovinate:  2",
                        }));
    }

    void cleanSuccessesNeverNegative_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("helps");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("more help and failures than successes") << 2 << 3 << 4 << " 0";
        QTest::newRow("exactly none left") << 3 << 2 << 1 << " 0";
        QTest::newRow("one left") << 4 << 2 << 1 << " 1";
        QTest::newRow("nothing asked") << 6 << 0 << 0 << " 6";
    }
    void cleanSuccessesNeverNegative() {
        QFETCH(int, right);
        QFETCH(int, failed);
        QFETCH(int, helps);
        QFETCH(QString, lastLine);
        GameState state;
        state.Indovinati = static_cast<Int16>(right);
        state.Esercizi_Errati = static_cast<Int16>(failed);
        state.Aiuti = static_cast<Int16>(helps);
        state.Indovinate_Pulite = -5; // whatever an earlier view left
        state.refreshCleanSuccesses();
        QCOMPARE(resultsSummary(state, {}, monday, italian).split(u'\r').last(),
                 QStringLiteral("Zorvano indovinate: ") + lastLine);
    }

    void seriesRows_data() {
        QTest::addColumn<Series>("series");
        QTest::addColumn<QString>("row");
        // Blanks around each step: 3/3 three times, then 5/5, 3/5 and 3/3.
        QTest::newRow("sums") << sumsOneTwoThree()
                              << QStringLiteral("0   +    1   = 1          +    2   = 3"
                                                "          +    3   = 6          +      1     = 7"
                                                "          +    2     = 9          +    3   = 12");
        QTest::newRow("products to a million")
            << productsOfTen()
            << QStringLiteral("1   x    10   = 10          x    10   = 100"
                              "          x    10   = 1000          x      10     = 10000"
                              "          x    10     = 100000          x    10   = 1000000");
        QTest::newRow("triplo mixed")
            << timesThreePlusOne()
            << QStringLiteral("1   x    3   = 3          +    1   = 4          x    3   = 12"
                              "          +      1     = 13          x    3     = 39"
                              "          +    1   = 40");
    }
    void seriesRows() {
        QFETCH(Series, series);
        QFETCH(QString, row);
        GameState state;
        addExercise(state, series);
        QCOMPARE(resultsSeriesRow(state, 1), row);
        QCOMPARE(block(resultsRows(state, {}, monday, italian), 1).at(1), row);
    }

    void exerciseBlocks() {
        GameState state;
        addExercise(state, sumsOneTwoThree(), 2); // plain: no notes
        Series second = timesThreePlusOne();
        second.Posizione_Mancante = 4;
        addExercise(state, second);
        state.Nota_Facilitato[2] = QStringLiteral("Facilitato");
        state.Nota_Aiuto[2] = QStringLiteral("Chiesto aiuto");

        const QStringList rows = resultsRows(state, {}, monday, italian);
        QCOMPARE(rows.size(), 4 + 2 * 7);
        const QStringList first = block(rows, 1);
        QCOMPARE(first.at(0), QStringLiteral("Esercizio 1"));
        QCOMPARE(first.mid(2),
                 (QStringList{"Numero richiesto:  1", "Tentativi errati:  2", "", "", ""}));
        const QStringList other = block(rows, 2);
        QCOMPARE(other.at(0), QStringLiteral("Esercizio 2"));
        QCOMPARE(other.mid(2), (QStringList{"Numero richiesto:  39", "Tentativi errati:  0",
                                            "Facilitato", "Chiesto aiuto", ""}));
    }

    // The answer box accepts "7.5"; the results keep the game's own "." in any language.
    void fractionsKeepTheirPoint() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german);
        GameState state;
        addExercise(state, sumsOneTwoThree());
        state.Risposte[1] = 7.5;
        const QStringList rows = resultsRows(state, {}, monday, german);
        QLocale::setDefault(italian);
        QCOMPARE(rows.at(0), QStringLiteral("Montag,07,12,2026"));
        QCOMPARE(block(rows, 1).at(2), QStringLiteral("Numero richiesto:  7.5"));
    }

    void fullGameStaysInsideTheTables() {
        GameState state;
        for (int n = 1; n <= GameState::MaxExercises; ++n)
            addExercise(state, sumsOneTwoThree());
        QCOMPARE(resultsRows(state, {}, monday, italian).size(), 4 + 100 * 7);
        state.Num_Esercizio = 150; // cannot happen in play; nothing past row 100 is read
        const QStringList rows = resultsRows(state, {}, monday, italian);
        QCOMPARE(rows.size(), 4 + 100 * 7);
        QCOMPARE(block(rows, 100).at(0), QStringLiteral("Esercizio 100"));
        QVERIFY(resultsSummary(state, {}, monday, italian).contains("Esercizi proposti:  150"));
    }
};

QTEST_GUILESS_MAIN(TestResultsView)
#include "test_results_view.moc"
