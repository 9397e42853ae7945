#include "engine/number_text.h"
#include "program/layout_windows.h"
#include "support/fakes.h"
#include "toolkit/caption.h"
#include "windows/zorvano.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace ortambra;
using namespace ortambra::testing;

Q_DECLARE_METATYPE(ortambra::LayoutSet)

namespace {

const QLocale italian(QLocale::Italian, QLocale::Italy);

// The main window of one layout set, played as a pupil plays it.
struct Game {
    explicit Game(LayoutSet set = LayoutSet::Standard)
        : windows(set, test.platform, shared), window(windows.main()) {
        window.show();
    }

    template <typename T = QWidget> T* child(const QString& name) const {
        auto* found = window.findChild<T*>(name);
        Q_ASSERT_X(found, "child", qPrintable(name));
        return found;
    }
    void click(const QString& button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    QLineEdit* answerBox() const {
        return child<QLineEdit>(arrayName("Txt_Numero", window.state().Serie.Posizione_Mancante));
    }
    double missing() const {
        const Series& s = window.state().Serie;
        return s.Numeri[static_cast<std::size_t>(s.Posizione_Mancante)];
    }
    void type(const QString& text) {
        QTest::keyClicks(answerBox(), text);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }
    // Doppio +1 +2 +3 (1 3 6 7 9 12) with the 6 hidden, at the starting largest step 3.
    void startSums() {
        test.random.push({0.5f, 0.9f, 0.0f, 0.4f, 0.7f});
        click("Cmd_Via");
    }
    void playRight(int wrongFirst = 0) {
        click("Cmd_Via");
        for (int i = 0; i < wrongFirst; ++i)
            type(generalText(missing() + 1));
        type(generalText(missing()));
    }
    QLabel* results() const { return child<QLabel>("Lbl_Risultati"); }
    QStringList rows() const {
        QStringList texts;
        const auto* list = child<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    TestPlatform test;
    SharedValues shared{QStringLiteral("Anna"), QStringLiteral("3B")};
    LayoutWindows windows;
    Zorvano& window;
};

const QString sumsRow =
    QStringLiteral("0   +    1   = 1          +    2   = 3          +    3   = 6"
                   "          +      1     = 7          +    2     = 9"
                   "          +    3   = 12");

} // namespace

class TestZorvanoResults : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(italian); }

    void resultsOfAPlayedGame() {
        Game game;
        game.startSums();
        game.type("5");
        game.type("6");
        game.click("Cmd_Facile");
        game.startSums();
        game.click("Cmd_Soluzione"); // shows every hint, which the results hide again
        game.type("6");
        game.click("Cmd_Risultati");

        QCOMPARE(caption(game.results()),
                 QStringLiteral("lunedì,07,12,2026\r"
                                "Anna 3B\r"
                                "Esercizi proposti:  2\r"
                                "Facilitati:  1\r"
                                " 2 Difficoltà Bassa;  0 Difficoltà Media;  0 Difficoltà Alta.\r"
                                "Tentativi errati:  1\r"
                                "Chiesto aiuto:  1 volte\r"
                                "Zorvano indovinate:  0"));
        QCOMPARE(game.window.state().Indovinate_Pulite, Int16{0});
        QCOMPARE(game.results()->font().pointSizeF(), 8.0);
        QCOMPARE(game.results()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(game.results()->alignment() & Qt::AlignLeft);

        const QStringList expected{
            "lunedì,07,12,2026",
            "Nome: Anna",
            "Classe: 3B",
            "",
            "Esercizio 1",
            sumsRow,
            "Numero richiesto:  6",
            "Tentativi errati:  1",
            "",
            "",
            "",
            "Esercizio 2",
            sumsRow,
            "Numero richiesto:  6",
            "Tentativi errati:  0",
            "Facilitato",
            "Chiesto aiuto",
            "",
        };
        QCOMPARE(game.rows(), expected);
        QVERIFY(game.child("List1")->isVisible());
        for (int i = 0; i < 6; ++i) {
            QVERIFY(game.child(arrayName("Lbl_Suggeri", i))->isHidden());
            QVERIFY(game.child(arrayName("Lbl_Operatore", i))->isHidden());
        }
        QVERIFY(game.child("Lbl_01")->isHidden());

        game.click("Cmd_Risultati"); // rebuilt, not added to
        QCOMPARE(game.rows(), expected);
    }

    void clearOfEverythingElse_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::newRow("standard") << LayoutSet::Standard;
        QTest::newRow("compact") << LayoutSet::Compact;
    }
    // A whole game gives the widest counts; every line of the summary stays whole and readable,
    // and the next exercise finds the label where it was drawn.
    void clearOfEverythingElse() {
        QFETCH(LayoutSet, set);
        Game game(set);
        game.shared = {QStringLiteral("Margherita"), QStringLiteral("5A")};
        const char* modes[] = {"solosomme", "soloprodotti", "sommeprodotti"};
        for (int n = 0; n < GameState::MaxExercises; ++n) {
            game.child<QAction>(modes[n % 3])->trigger();
            game.playRight(n % 4 == 0 ? 2 : 0);
        }
        game.click("Cmd_Risultati");
        QCOMPARE(game.rows().size(), 4 + 100 * 7);

        QLabel* label = game.results();
        QVERIFY(label->isVisible());
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(u'\n');
        QCOMPARE(lines.size(), 8);
        QCOMPARE(
            lines.at(4),
            QStringLiteral(" 34 Difficoltà Bassa;  33 Difficoltà Media;  33 Difficoltà Alta."));
        for (const QString& line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(line));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        const QWidget* client = label->parentWidget();
        QVERIFY(client->rect().contains(label->geometry()));
        for (const QWidget* other : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != label && other->isVisible())
                QVERIFY2(!other->geometry().intersects(label->geometry()),
                         qPrintable(other->objectName()));
        }
    }

    // At exercise 100 a wrong answer opens the results while the exercise is still open; the
    // list must follow what the pupil does next.
    void listFollowsTheLastExercise() {
        Game game;
        for (int n = 1; n < GameState::MaxExercises; ++n)
            game.playRight();
        game.click("Cmd_Via");
        game.type(generalText(game.missing() + 1));
        game.click("Cmd_Risultati");
        const QString asked = QStringLiteral("Numero richiesto: ");
        QVERIFY(game.rows().contains(asked + strText(0)));
        game.type(generalText(game.missing() + 2));
        QVERIFY(game.rows().contains(QStringLiteral("Tentativi errati: ") + strText(2)));
        game.type(generalText(game.missing()));
        QVERIFY(game.rows().contains(asked + strText(game.missing())));
        QVERIFY(!game.rows().contains(asked + strText(0)));
    }

    void longNameStaysInTheWindow() {
        Game game(LayoutSet::Compact);
        game.shared.Nome = QStringLiteral("Maria Antonietta ").repeated(8);
        game.playRight();
        game.click("Cmd_Risultati");
        const QLabel* label = game.results();
        QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    void nextExerciseRestoresTheLabel_data() { clearOfEverythingElse_data(); }
    void nextExerciseRestoresTheLabel() {
        QFETCH(LayoutSet, set);
        Game game(set);
        const QRect drawn = game.results()->geometry();
        QCOMPARE(drawn, QRect(336, 168, 363, 93)); // 5040, 2520, 5445, 1395 twips
        game.playRight();
        game.click("Cmd_Risultati");
        QVERIFY(game.results()->geometry() != drawn);
        game.playRight();
        QCOMPARE(game.results()->geometry(), drawn);
        QCOMPARE(caption(game.results()), QStringLiteral("Indovinato!"));
    }

    void cancelledPrintStillCountsCleanSuccesses() {
        Game game;
        game.playRight();
        QCOMPARE(game.window.state().Indovinate_Pulite, Int16{0}); // not refreshed by play
        game.test.printing.copies = std::nullopt;
        game.click("Cmd_Stampa");
        QCOMPARE(game.test.printing.dialogs, 1);
        QVERIFY(game.test.printing.recorder.statements.empty());
        QVERIFY(game.test.messages.shown.empty());
        QCOMPARE(game.window.state().Indovinate_Pulite, Int16{1});
    }

    void noCopies() {
        Game game;
        game.playRight();
        game.test.printing.copies = 0;
        game.click("Cmd_Stampa");
        QCOMPARE(game.test.printing.recorder.transcript(),
                 (QStringList{"font Arial", "size 12", "at 2,3", "end"}));
    }

    void twoCopies() {
        Game game;
        game.startSums();
        game.type("6");
        game.test.printing.copies = 2;
        game.click("Cmd_Stampa");
        const RecordingPrinter& printer = game.test.printing.recorder;

        const QStringList copy{
            "print [<cr>][<cr>]",
            "print [lunedì,07,12,2026]",
            "print [<cr>]",
            "print [  Eseguito da: Anna  Classe 3B<cr>  Esercizi proposti:  1<cr>"
            "  Facilitati:  0<cr> 1 Difficoltà Bassa;  0 Difficoltà Media;  0 Difficoltà Alta.<cr>"
            "  Tentativi errati:  0<cr>  Chiesto aiuto:  0 volte<cr>  Zorvano indovinate:  1]",
            "print [<cr>]",
            "size 10",
            "print [  Esercizio 1]",
            "print [  0   +    1     = 1          +    2     = 3          +    3     =]"
            "[ 6          +    1     = 7          +    2     = 9          +    3     = 12]",
            "print [  Numero richiesto:  6]",
            "print [  Tentativi errati:  0]",
            "print [  ]",
            "print [  ]",
            "print [<cr>]",
            "page",
        };
        QCOMPARE(printer.transcript(), QStringList({"font Arial", "size 12", "at 2,3"}) + copy +
                                           copy + QStringList{"end"});
        QList<double> headerSizes;
        for (const auto& p : printer.printed()) {
            if (p.first.contains("Eseguito da"))
                headerSizes << p.points;
        }
        QCOMPARE(headerSizes, (QList<double>{12, 10}));

        game.click("Cmd_Stampa"); // each press opens the dialog again and prints anew
        QCOMPARE(game.test.printing.dialogs, 2);
        QCOMPARE(printer.transcript().count("end"), 2);
    }
};

QTEST_MAIN(TestZorvanoResults)
#include "test_zorvano_results.moc"
