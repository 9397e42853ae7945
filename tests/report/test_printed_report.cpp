#include "report/printed_report.h"
#include "support/recording_printer.h"
#include "support/report_states.h"

#include <QtTest>

Q_DECLARE_METATYPE(ortambra::Series)

using namespace ortambra;
using namespace ortambra::testing;

namespace {

const QDate monday(2026, 12, 7);
const QLocale italian(QLocale::Italian, QLocale::Italy);
const SharedValues anna{QStringLiteral("Anna"), QStringLiteral("3B")};

QStringList copyOf(const GameState& state, const SharedValues& player = anna) {
    return describe(reportCopy(state, player, monday, italian));
}

QStringList printed(const GameState& state, int copies) {
    RecordingPrinter printer;
    printReport(printer, state, anna, monday, italian, copies);
    return printer.transcript();
}

} // namespace

class TestPrintedReport : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(italian); }

    void copyWithoutExercises() {
        QCOMPARE(copyOf(GameState{}),
                 (QStringList{
                     "print [<cr>][<cr>]",
                     "print [lunedì,07,12,2026]",
                     "print [<cr>]",
                     "print [  Eseguito da: Anna  Classe 3B<cr>"
                     "  Esercizi proposti:  0<cr>"
                     "  Facilitati:  0<cr>"
                     " 0 Difficoltà Bassa;  0 Difficoltà Media;  0 Difficoltà Alta.<cr>"
                     "  Tentativi errati:  0<cr>"
                     "  Chiesto aiuto:  0 volte<cr>"
                     "  Zorvano indovinate:  0]",
                     "print [<cr>]",
                     "page",
                 }));
    }

    void emptyNameAndClass() {
        QVERIFY(copyOf(GameState{}, {}).at(3).startsWith("print [  Eseguito da:   Classe <cr>"));
    }

    // A pasted line break in the name or class prints as a blank: the summary keeps its seven
    // lines and nothing typed can read as one of its counts.
    void namesStayOnTheirLine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("line");
        QTest::newRow("pasted count") << "Anna\r  Esercizi proposti:  999"
                                      << "3B"
                                      << "  Eseguito da: Anna   Esercizi proposti:  999  Classe 3B";
        QTest::newRow("line feed, tab, separators")
            << QStringLiteral("Anna\nBruno") << QStringLiteral("3\t\u2028B")
            << QStringLiteral("  Eseguito da: Anna Bruno  Classe 3  B");
        QTest::newRow("kept as typed") << QStringLiteral(" Nicol\u00f2 ") << "5C"
                                       << QStringLiteral("  Eseguito da:  Nicol\u00f2   Classe 5C");
    }
    void namesStayOnTheirLine() {
        QFETCH(QString, name);
        QFETCH(QString, classe);
        QFETCH(QString, line);
        const auto copy = reportCopy(GameState{}, {name, classe}, monday, italian);
        const QStringList summary = copy.at(3).first.split(u'\r');
        QCOMPARE(summary.size(), 7);
        QCOMPARE(summary.at(0), line);
        QCOMPARE(summary.at(1), QStringLiteral("  Esercizi proposti:  0"));
        QVERIFY(!copy.at(3).first.contains(u'\n'));
    }

    // Two texts, split after the "=" of the third position, with 3 and 5 blanks everywhere.
    void seriesRowInTwoTexts_data() {
        QTest::addColumn<Series>("series");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("sums")
            << sumsOneTwoThree()
            << "  0   +    1     = 1          +    2     = 3          +    3     ="
            << " 6          +    1     = 7          +    2     = 9"
               "          +    3     = 12";
        QTest::newRow("products to a million")
            << productsOfTen()
            << "  1   x    10     = 10          x    10     = 100          x    10     ="
            << " 1000          x    10     = 10000          x    10     = 100000"
               "          x    10     = 1000000";
    }
    void seriesRowInTwoTexts() {
        QFETCH(Series, series);
        QFETCH(QString, first);
        QFETCH(QString, second);
        GameState state;
        addExercise(state, series);
        const auto [a, b] = printedSeriesRow(state, 1);
        QCOMPARE(a, first);
        QCOMPARE(b, second);
        QCOMPARE(copyOf(state).at(7), "print [" + first + "][" + second + "]");
    }

    void exerciseBlocks() {
        GameState state;
        addExercise(state, timesThreePlusOne(), 3); // plain: no notes
        addExercise(state, sumsOneTwoThree());
        state.Risposte[2] = 2.5; // printed with "." in any language
        state.Nota_Facilitato[2] = QStringLiteral("Facilitato");
        state.Nota_Aiuto[2] = QStringLiteral("Chiesto aiuto");
        const QStringList copy = copyOf(state);
        QCOMPARE(copy.size(), 5 + 2 * 8 + 1);
        const auto withoutSeries = [&](int from) {
            QStringList block = copy.mid(from, 8);
            block.removeAt(2);
            return block;
        };
        QCOMPARE(withoutSeries(5), (QStringList{
                                       "size 10",
                                       "print [  Esercizio 1]",
                                       "print [  Numero richiesto:  3]",
                                       "print [  Tentativi errati:  3]",
                                       "print [  ]",
                                       "print [  ]",
                                       "print [<cr>]",
                                   }));
        QCOMPARE(withoutSeries(13), (QStringList{
                                        "size 10",
                                        "print [  Esercizio 2]",
                                        "print [  Numero richiesto:  2.5]",
                                        "print [  Tentativi errati:  0]",
                                        "print [  Facilitato]",
                                        "print [  Chiesto aiuto]",
                                        "print [<cr>]",
                                    }));
        QCOMPARE(copy.last(), QStringLiteral("page"));
    }

    void noCopiesStillEndsTheDocument() {
        GameState state;
        addExercise(state, sumsOneTwoThree());
        QCOMPARE(printed(state, 0), (QStringList{"font Arial", "size 12", "at 2,3", "end"}));
        QCOMPARE(printed(state, -1), printed(state, 0));
    }

    void copiesArePrintedByTheReport() {
        GameState state;
        addExercise(state, sumsOneTwoThree());
        addExercise(state, productsOfTen(), 1);
        const QStringList copy = copyOf(state);

        const QStringList one = printed(state, 1);
        QCOMPARE(one, QStringList({"font Arial", "size 12", "at 2,3"}) + copy + QStringList{"end"});

        const QStringList two = printed(state, 2);
        QCOMPARE(two, QStringList({"font Arial", "size 12", "at 2,3"}) + copy + copy +
                          QStringList{"end"});
        QCOMPARE(two.count("page"), 2);
        QCOMPARE(two.count("end"), 1);
    }

    // The size 10 of the exercise blocks stays in force: only the first header prints at 12.
    void laterHeadersPrintSmaller() {
        GameState state;
        addExercise(state, sumsOneTwoThree());
        RecordingPrinter printer;
        printReport(printer, state, anna, monday, italian, 3);
        QList<double> headerSizes;
        for (const auto& p : printer.printed()) {
            if (p.first == QStringLiteral("lunedì,07,12,2026"))
                headerSizes << p.points;
        }
        QCOMPARE(headerSizes, (QList<double>{12, 10, 10}));
    }

    void fullGame() {
        GameState state;
        for (int n = 1; n <= GameState::MaxExercises; ++n)
            addExercise(state, n % 2 ? sumsOneTwoThree() : timesThreePlusOne());
        const QStringList copy = copyOf(state);
        QCOMPARE(copy.size(), 5 + 100 * 8 + 1);
        QCOMPARE(copy.count("page"), 1); // the report itself breaks only after the copy
        QCOMPARE(copy.at(5 + 99 * 8 + 1), QStringLiteral("print [  Esercizio 100]"));
        state.Num_Esercizio = 120; // cannot happen in play; nothing past row 100 is read
        QCOMPARE(copyOf(state).size(), copy.size());
    }
};

QTEST_GUILESS_MAIN(TestPrintedReport)
#include "test_printed_report.moc"
