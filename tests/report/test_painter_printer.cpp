#include "report/painter_printer.h"
#include "report/printed_report.h"
#include "support/report_states.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace ortambra;
using namespace ortambra::testing;

Q_DECLARE_METATYPE(std::vector<ortambra::PrintStatement>)

namespace {

const QDate monday(2026, 12, 7);
const QLocale italian(QLocale::Italian, QLocale::Italy);
const SharedValues anna{QStringLiteral("Anna"), QStringLiteral("3B")};

GameState gameOf(int exercises) {
    GameState state;
    for (int n = 1; n <= exercises; ++n) {
        increment(state.Esercizi_Bassa);
        addExercise(state, sumsOneTwoThree(), n % 3);
    }
    return state;
}

void toPdf(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

// The text of each page, laid out as on paper.
QStringList pagesOf(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral(PDFTOTEXT), {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // pdftotext ends every page with a form feed
    return pages;
}

// The lines of a page that carry text, with their blanks evened out.
QStringList printedLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

QList<int> exerciseNumbers(const QString& text) {
    QList<int> numbers;
    static const QRegularExpression heading(QStringLiteral("^\\s*Esercizio (\\d+)\\s*$"),
                                            QRegularExpression::MultilineOption);
    for (const auto& match : heading.globalMatch(text))
        numbers << match.captured(1).toInt();
    return numbers;
}

} // namespace

// The PDF's text is read with poppler's pdftotext; without it the checks that need it skip.
#define REQUIRE_PDFTOTEXT()                                                                        \
    do {                                                                                           \
        if (QStringLiteral(PDFTOTEXT).isEmpty())                                                   \
            QSKIP("pdftotext (poppler-utils) is not installed");                                   \
    } while (false)

class TestPainterPrinter : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QLocale::setDefault(italian);
        QVERIFY(dir_.isValid());
    }

    // A long game runs over several pages on its own: no block is lost at a page's end.
    void hundredExercises() {
        REQUIRE_PDFTOTEXT();
        const QString file = dir_.filePath("hundred.pdf");
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        const GameState state = gameOf(100);
        printReport(layer, state, anna, monday, italian, 1);

        const QStringList pages = pagesOf(file);
        QVERIFY(pages.size() > 1);
        QCOMPARE(pages.size(), layer.pages());
        const QString all = pages.join(u'\f');
        QList<int> expected;
        for (int n = 1; n <= 100; ++n)
            expected << n;
        QCOMPARE(exerciseNumbers(all), expected);
        QCOMPARE(all.count("Numero richiesto:"), 100);
        QCOMPARE(all.count("Tentativi errati:"), 101); // the summary's line too
        QCOMPARE(all.count("Eseguito da: Anna"), 1);
        // No sheet is blank. A sheet may start inside a block (where it breaks depends on the
        // fonts' line spacing): one without a heading holds only the tail of the block before.
        static const QRegularExpression tailLine(QStringLiteral(
            "^(Numero richiesto: .+|Tentativi errati: .+|Facilitato|Chiesto aiuto|.*=.*)$"));
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QStringList lines = printedLines(pages[p]);
            QVERIFY2(!lines.isEmpty(), qPrintable(QString("page %1 is blank").arg(p + 1)));
            if (!exerciseNumbers(pages[p]).isEmpty())
                continue;
            QVERIFY(p > 0);
            for (const QString& line : lines)
                QVERIFY2(tailLine.match(line).hasMatch(), qPrintable(line));
        }
    }

    // Lines as the statements ask: the summary's carriage returns start lines, and the two
    // texts of the series row make one line.
    void linesOnPaper() {
        REQUIRE_PDFTOTEXT();
        const QString file = dir_.filePath("lines.pdf");
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        printReport(layer, gameOf(2), anna, monday, italian, 1);

        const QStringList pages = pagesOf(file);
        QCOMPARE(pages.size(), 1);
        const QStringList lines = printedLines(pages.first());
        QCOMPARE(lines.mid(0, 8), (QStringList{
                                      "lunedì,07,12,2026",
                                      "Eseguito da: Anna Classe 3B",
                                      "Esercizi proposti: 2",
                                      "Facilitati: 0",
                                      "2 Difficoltà Bassa; 0 Difficoltà Media; 0 Difficoltà Alta.",
                                      "Tentativi errati: 0",
                                      "Chiesto aiuto: 0 volte",
                                      "Zorvano indovinate: 0",
                                  }));
        QCOMPARE(lines.at(8), QStringLiteral("Esercizio 1"));
        // pdftotext guesses word gaps from the glyphs' places; compare the series row unspaced.
        QCOMPARE(QString(lines.at(9)).remove(u' '), QStringLiteral("0+1=1+2=3+3=6+1=7+2=9+3=12"));
        QCOMPARE(lines.mid(10, 2), (QStringList{"Numero richiesto: 1", "Tentativi errati: 1"}));
    }

    // A series up to a million is wider than an A4 sheet at 10 points: its end goes on on the
    // next line instead of past the paper's edge.
    void wideRowsKeepTheirEnd() {
        REQUIRE_PDFTOTEXT();
        const QString file = dir_.filePath("wide.pdf");
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        GameState state;
        addExercise(state, productsOfTen());
        printReport(layer, state, anna, monday, italian, 1);

        const QStringList pages = pagesOf(file);
        QCOMPARE(pages.size(), 1);
        const QStringList lines = printedLines(pages.first());
        const auto first = lines.indexOf("Esercizio 1") + 1;
        const auto last = lines.indexOf("Numero richiesto: 10");
        QVERIFY(first > 0);
        QCOMPARE(last, first + 2); // two lines: nothing lost, nothing more
        QCOMPARE(lines.mid(first, 2).join(QString()).remove(u' '),
                 QStringLiteral("1x10=10x10=100x10=1000x10=10000x10=100000x10=1000000"));
        // The continuation is indented like the rest of its block, not at the paper's edge.
        QStringList raw = pages.first().split(u'\n');
        raw.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
        const auto indentOf = [](const QString& line) {
            return line.size() - QString(line).remove(QRegularExpression("^ +")).size();
        };
        QCOMPARE(indentOf(raw.at(first + 1)), indentOf(raw.at(first - 1)));
        QCOMPARE(indentOf(raw.at(first + 2)), indentOf(raw.at(first - 1)));
    }

    // A sheet is started only for text: page breaks in a row count as one, and neither a break
    // nor a position below the sheet before the first text leaves a blank page.
    void noBlankSheets_data() {
        QTest::addColumn<std::vector<PrintStatement>>("statements");
        QTest::addColumn<QStringList>("pages");
        using S = PrintStatement;
        QTest::newRow("breaks in a row")
            << std::vector<S>{S::print("uno"), S::newPage(), S::newPage(), S::print("due")}
            << QStringList{"uno", "due"};
        QTest::newRow("break before any text")
            << std::vector<S>{S::newPage(), S::print("uno"), S::newPage()} << QStringList{"uno"};
        QTest::newRow("first text below the sheet")
            << std::vector<S>{S::position({0, 40000}), S::print("uno"), S::print("due")}
            << QStringList{"uno due"};
        QTest::newRow("position before the top left")
            << std::vector<S>{S::position({-9000, -9000}), S::print("uno")} << QStringList{"uno"};
    }
    void noBlankSheets() {
        REQUIRE_PDFTOTEXT();
        QFETCH(std::vector<PrintStatement>, statements);
        QFETCH(QStringList, pages);
        const QString file =
            dir_.filePath(QStringLiteral("sheets-%1.pdf").arg(QTest::currentDataTag()));
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        for (const auto& statement : statements)
            play(layer, statement);
        layer.endDoc();
        QStringList texts;
        for (const QString& page : pagesOf(file))
            texts << printedLines(page).join(u' ');
        QCOMPARE(texts, pages);
        QCOMPARE(layer.pages(), pages.size());
    }

    // A word wider than the sheet runs past its edge alone; the words after it go on on the
    // next line instead of following it off the paper.
    void wordWiderThanTheSheet() {
        REQUIRE_PDFTOTEXT();
        const QString file = dir_.filePath("word.pdf");
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        const QString word(200, u'W');
        layer.print(word + QStringLiteral("   dopo la parola"), {});
        layer.endDoc();
        const QStringList pages = pagesOf(file);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(printedLines(pages.first()).last(), QStringLiteral("dopo la parola"));
    }

    void eachCopyOnItsOwnPages() {
        REQUIRE_PDFTOTEXT();
        const QString file = dir_.filePath("copies.pdf");
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        printReport(layer, gameOf(3), anna, monday, italian, 2);

        const QStringList pages = pagesOf(file);
        QCOMPARE(pages.size(), 2);
        for (const QString& page : pages) {
            QCOMPARE(page.trimmed().section(u'\n', 0, 0), QStringLiteral("lunedì,07,12,2026"));
            QCOMPARE(exerciseNumbers(page), (QList<int>{1, 2, 3}));
        }
    }

    void noCopiesPrintNothing() {
        const QString file = dir_.filePath("none.pdf");
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        PainterPrinter layer(printer);
        printReport(layer, gameOf(3), anna, monday, italian, 0);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(layer.pages(), 0);
    }

    // A printer that cannot be opened is skipped silently; the next document is printed.
    void unusablePrinter() {
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, dir_.filePath("missing/folder/report.pdf"));
        PainterPrinter layer(printer);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        printReport(layer, gameOf(3), anna, monday, italian, 2);
        QCOMPARE(layer.pages(), 0);

        const QString file = dir_.filePath("after.pdf");
        printer.setOutputFileName(file);
        printReport(layer, gameOf(3), anna, monday, italian, 1);
        QCOMPARE(layer.pages(), 1);
        QVERIFY(QFile::exists(file));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestPainterPrinter)
#include "test_painter_printer.moc"
