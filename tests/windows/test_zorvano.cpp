#include "engine/number_text.h"
#include "layouts/colours.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "toolkit/caption.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace ortambra;
using namespace ortambra::testing;

namespace {

QAction* menuAction(const QWidget& window, const char* name) {
    return control<QAction>(&window, QString::fromUtf8(name));
}

QStringList menuCaptions(const QWidget& window, const char* menu) {
    QStringList captions;
    for (QAction* action : control<QMenu>(&window, QString::fromUtf8(menu))->actions())
        captions << action->text();
    return captions;
}

} // namespace

class ZorvanoTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void startValues() {
        MainWindowRig rig;
        QCOMPARE(rig.window.objectName(), QStringLiteral("Zorvano"));
        QCOMPARE(caption(rig.label("Lbl_Complessità")), QString::fromUtf8("Complessità: fino a 3"));
        QCOMPARE(caption(rig.label("Lbl_Difficoltà")),
                 QString::fromUtf8("Difficoltà Bassa\r(solo somme)"));
        QCOMPARE(rig.label("Lbl_Difficoltà")->text(),
                 QString::fromUtf8("Difficoltà Bassa\n(solo somme)"));
        QCOMPARE(rig.button("Cmd_Facile")->text(), QStringLiteral("Clicca per Facile"));
        for (const char* off : {"Cmd_Help", "Cmd_Soluzione", "Cmd_Risultati", "Cmd_Stampa"})
            QVERIFY2(!rig.button(off)->isEnabled(), off);
        QVERIFY(rig.button("Cmd_Via")->isEnabled());
        QVERIFY(!rig.label("Lbl_01")->isVisible());
        QVERIFY(rig.visibleAnswers().empty());
        for (int k = 0; k < 6; ++k)
            QCOMPARE(rig.number(k)->font().pointSizeF(), 24.0);
        QCOMPARE(rig.state().Massimo, Int16{3});
        QCOMPARE(rig.state().Operazioni, Mode::OnlySums);
        QCOMPARE(rig.state().Num_Esercizio, Int16{0});

        MainWindowRig compact(LayoutSet::Compact);
        QCOMPARE(compact.window.objectName(), QStringLiteral("Zorvano_m"));
        for (int k = 0; k < 6; ++k)
            QCOMPARE(compact.number(k)->font().pointSizeF(), 14.0);
    }

    void menus() {
        MainWindowRig rig;
        QCOMPARE(menuCaptions(rig.window, "difficol"),
                 (QStringList{"Solo Somme", "Solo Prodotti", "Somme e Prodotti"}));
        QCOMPARE(menuCaptions(rig.window, "compless"),
                 (QStringList{"fino a Due", "Fino a Tre", "Fino a Quattro", "Fino a Cinque",
                              "Fino a Sei", "Fino a Sette", "Fino a Otto", "Fino a Nove",
                              "Fino a Dieci"}));
        QStringList bar;
        for (QAction* action : rig.window.menuBar()->actions()) {
            bar << action->text();
            QVERIFY(!action->isCheckable());
        }
        QCOMPARE(bar, (QStringList{QString::fromUtf8("Difficoltà"),
                                   QString::fromUtf8("Complessità"), "Istruzioni", "&?"}));

        const struct {
            const char* entry;
            Mode mode;
            const char* caption;
        } modes[] = {
            {"soloprodotti", Mode::OnlyProducts, "Difficoltà Media\r(solo prodotti)"},
            {"sommeprodotti", Mode::SumsAndProducts, "Difficoltà Alta\r(somme e/o prodotti)"},
            {"solosomme", Mode::OnlySums, "Difficoltà Bassa\r(solo somme)"},
        };
        for (const auto& m : modes) {
            menuAction(rig.window, m.entry)->trigger();
            QCOMPARE(rig.state().Operazioni, m.mode);
            QCOMPARE(caption(rig.label("Lbl_Difficoltà")), QString::fromUtf8(m.caption));
        }

        const char* names[] = {"due",   "tre",  "quattro", "cinque", "sei",
                               "sette", "otto", "nove",    "dieci"};
        for (int n = 2; n <= 10; ++n) {
            menuAction(rig.window, names[n - 2])->trigger();
            QCOMPARE(rig.state().Massimo, static_cast<Int16>(n));
            const QString expected = n == 2 ? QString::fromUtf8("Complessità Bassa: fino a 2")
                                            : QString::fromUtf8("Complessità: fino a %1").arg(n);
            QCOMPARE(caption(rig.label("Lbl_Complessità")), expected);
        }
        menuAction(rig.window, "tre")->trigger();
        QCOMPARE(caption(rig.label("Lbl_Complessità")), QString::fromUtf8("Complessità: fino a 3"));
    }

    void menusDuringAnExerciseLeaveTheSeries() {
        MainWindowRig rig;
        rig.click("Cmd_Via");
        QStringList before;
        for (int k = 0; k < 6; ++k)
            before << rig.number(k)->text();
        const auto hidden = rig.state().Serie.Posizione_Mancante;
        menuAction(rig.window, "sommeprodotti")->trigger();
        menuAction(rig.window, "dieci")->trigger();
        for (int k = 0; k < 6; ++k)
            QCOMPARE(rig.number(k)->text(), before[k]);
        QCOMPARE(rig.state().Serie.Posizione_Mancante, hidden);
        QCOMPARE(rig.visibleAnswer(), rig.answer(hidden));
        QCOMPARE(rig.state().Esercizi_Bassa, Int16{1}); // counted with the mode it was built in
        QCOMPARE(rig.state().Esercizi_Alta, Int16{0});
    }

    void aboutBox() {
        MainWindowRig rig;
        menuAction(rig.window, "Info")->trigger();
        QCOMPARE(rig.platform.messages.shown.size(), std::size_t{1});
        const auto& box = rig.platform.messages.shown.front();
        QCOMPARE(box.title, QStringLiteral("Ortambra"));
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
        // The author line and the date line, indented by 8 and 11 blanks, with the project's own
        // version and release date.
        QCOMPARE(box.text.split(u'\r'),
                 (QStringList{QStringLiteral("        Ortambra, versione " PROJECT_VERSION),
                              QString::fromUtf8("           " RELEASE_DATE)}));
    }

    void exitAndClose() {
        MainWindowRig rig;
        rig.click("Cmd_Esci");
        QCOMPARE(rig.platform.quits, 1);
        QVERIFY(!rig.window.isVisible());

        MainWindowRig closing;
        closing.window.close();
        QCOMPARE(closing.platform.quits, 1);
    }

    void viaBuildsThePinnedSeries() {
        MainWindowRig rig;
        // h = 2, Triplo, steps 3 and 1 with N = 3: 3, 4, 7, 8, 11, 12.
        rig.platform.random.push({0.5f, 0.0f, almostOne, 0.0f});
        rig.click("Cmd_Via");
        const auto& s = rig.state();
        QCOMPARE(s.Num_Esercizio, Int16{1});
        QCOMPARE(rig.label("Lbl_Esercizio")->text(), QString::fromUtf8("Esercizio n°  1"));
        const QStringList numbers{"3", "4", "7", "8", "11", "12"};
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(rig.number(k)->text(), numbers[k]);
            QCOMPARE(rig.hint(k)->text(), k % 2 == 0 ? QStringLiteral("3") : QStringLiteral("1"));
            QCOMPARE(rig.op(k)->text(), QStringLiteral("+"));
            QVERIFY(!rig.hint(k)->isVisible() && !rig.op(k)->isVisible());
            QCOMPARE(rig.number(k)->isVisible(), k != 2);
        }
        QCOMPARE(rig.label("Lbl_01")->text(), QStringLiteral("0"));
        QCOMPARE(rig.visibleAnswer(), rig.answer(2));
        QVERIFY(rig.answer(2)->text().isEmpty());
        QCOMPARE(backColour(rig.answer(2)), colours::lightGrey);
        QVERIFY(rig.answer(2)->hasFocus());
        for (const char* off :
             {"Cmd_Via", "Cmd_Risultati", "Cmd_Stampa", "Cmd_Facile", "Cmd_Help", "Cmd_Soluzione"})
            QVERIFY2(!rig.button(off)->isEnabled(), off);
        QVERIFY(!rig.label("Lbl_Risultati")->isVisible());
        QVERIFY(!rig.label("Lbl_Per_Iniziare")->isVisible());
        QVERIFY(!control<QListWidget>(&rig.window, "List1")->isVisible());
        QCOMPARE(rig.label("Lbl_Risultati")->font().pointSizeF(), 8.0);
        QCOMPARE(foreColour(rig.label("Lbl_Risultati")), colours::blue);

        QCOMPARE(s.Archivio_Numeri[1], (std::array<double, 6>{3, 4, 7, 8, 11, 12}));
        QCOMPARE(s.Archivio_Passi[1], (std::array<Int16, 6>{3, 1, 3, 1, 3, 1}));
        QCOMPARE(s.Archivio_Inizio[1], QStringLiteral("0"));
        for (int k = 0; k < 6; ++k)
            QCOMPARE(s.Archivio_Operatori[1][static_cast<std::size_t>(k)], QStringLiteral("+"));
        QVERIFY(s.Nota_Facilitato[1].isEmpty());
        QCOMPARE(s.Esercizi_Bassa, Int16{1});
    }

    void captionsEqualTheArchive() {
        MainWindowRig rig(LayoutSet::Standard, 4242);
        const char* modes[] = {"solosomme", "soloprodotti", "sommeprodotti"};
        const char* largest[] = {"due", "cinque", "dieci"};
        for (int round = 0; round < 99; ++round) {
            menuAction(rig.window, modes[round % 3])->trigger();
            menuAction(rig.window, largest[(round / 3) % 3])->trigger();
            rig.click("Cmd_Via");
            const auto& s = rig.state();
            const auto n = static_cast<std::size_t>(s.Num_Esercizio);
            QCOMPARE(s.Num_Esercizio, static_cast<Int16>(round + 1));
            QVERIFY(s.Serie.Posizione_Mancante <= 4);
            for (int k = 0; k < 6; ++k) {
                const auto kk = static_cast<std::size_t>(k);
                QCOMPARE(readNumber(rig.number(k)->text()), s.Archivio_Numeri[n][kk]);
                QVERIFY(!rig.number(k)->text().contains(u'E'));
                QCOMPARE(readNumber(rig.hint(k)->text()), double(s.Archivio_Passi[n][kk]));
                QCOMPARE(rig.op(k)->text(), s.Archivio_Operatori[n][kk]);
            }
            QCOMPARE(rig.label("Lbl_01")->text(), s.Archivio_Inizio[n]);
            QCOMPARE(s.Archivio_Inizio[n] == "1", rig.op(0)->text() == "x");
            QCOMPARE(rig.visibleAnswers().size(), std::size_t{1});
            // Leave each exercise as a pupil may: right, or after a wrong answer.
            rig.answerWith(round % 4 == 0 ? QStringLiteral("99999")
                                          : generalText(rig.hiddenValue()));
        }
        QCOMPARE(rig.state().Esercizi_Bassa + rig.state().Esercizi_Media +
                     rig.state().Esercizi_Alta,
                 99);
    }

    void millionIsPlainDigits() {
        MainWindowRig rig;
        menuAction(rig.window, "soloprodotti")->trigger();
        menuAction(rig.window, "dieci")->trigger();
        rig.platform.random.push({0.0f, 0.0f, almostOne, almostOne});
        rig.click("Cmd_Via");
        QCOMPARE(rig.number(5)->text(), QStringLiteral("1000000"));
        QCOMPARE(rig.state().Archivio_Numeri[1][5], 1000000.0);
        QCOMPARE(rig.label("Lbl_01")->text(), QStringLiteral("1"));
        QCOMPARE(rig.state().Archivio_Inizio[1], QStringLiteral("1"));
        QVERIFY(!rig.number(0)->isVisible()); // h = 0 hides x0, which equals the first step
        QCOMPARE(rig.number(0)->text(), rig.hint(0)->text());
    }

    void facilitatedColouring() {
        const auto lightYellow = colours::lightYellow;
        const auto lightGreen = colours::lightGreen;
        struct Case {
            float rhythmDraw;
            bool facilitated;
            std::array<QColor, 6> expected;
        };
        const Case cases[] = {
            {almostOne,
             true,
             {lightGreen, lightGreen, lightGreen, lightYellow, lightYellow, lightYellow}},
            {0.0f,
             true,
             {lightGreen, lightGreen, lightYellow, lightYellow, lightGreen, lightGreen}},
            {almostOne,
             false,
             {lightYellow, lightYellow, lightYellow, lightYellow, lightYellow, lightYellow}},
            {0.0f,
             false,
             {lightYellow, lightYellow, lightYellow, lightYellow, lightYellow, lightYellow}},
        };
        for (const auto& c : cases) {
            MainWindowRig rig;
            if (c.facilitated)
                rig.click("Cmd_Facile");
            rig.click("Cmd_Via"); // an uncoloured exercise first: colours must not linger
            rig.answerWith(generalText(rig.hiddenValue()));
            rig.platform.random.push({0.0f, c.rhythmDraw});
            rig.click("Cmd_Via");
            for (int k = 0; k < 6; ++k)
                QCOMPARE(backColour(rig.number(k)), c.expected[static_cast<std::size_t>(k)]);
            QCOMPARE(rig.button("Cmd_Help")->isEnabled(), c.facilitated);
            QCOMPARE(rig.button("Cmd_Soluzione")->isEnabled(), c.facilitated);
            QCOMPARE(rig.state().Nota_Facilitato[2].isEmpty(), !c.facilitated);
            QCOMPARE(int{rig.state().Facilitati}, c.facilitated ? 2 : 0);
            QCOMPARE(backColour(rig.answer(0)), colours::lightGrey);
        }
    }

    void hundredExercisesAndNoMore() {
        MainWindowRig rig(LayoutSet::Standard, 7);
        for (int n = 1; n <= 100; ++n) {
            QVERIFY(rig.button("Cmd_Via")->isEnabled());
            rig.click("Cmd_Via");
            rig.answerWith(n % 2 ? generalText(rig.hiddenValue()) : QStringLiteral("-5"));
        }
        QCOMPARE(rig.state().Num_Esercizio, Int16{100});
        QVERIFY(!rig.button("Cmd_Via")->isEnabled());
        QVERIFY(rig.button("Cmd_Risultati")->isEnabled());
        QVERIFY(rig.button("Cmd_Stampa")->isEnabled());
        QVERIFY(rig.label("Lbl_Per_Iniziare")->isVisible());
        QLabel* closing = rig.label("Lbl_Per_Iniziare");
        QCOMPARE(closing->text(), QStringLiteral("Esercizi finiti: guarda i risultati"));
        // The whole message reads inside the label and the label inside the window.
        const QRect needed = closing->fontMetrics().boundingRect(
            closing->contentsRect(), int(Qt::TextWordWrap | closing->alignment()), closing->text());
        QVERIFY(closing->contentsRect().contains(needed));
        QVERIFY(closing->parentWidget()->rect().contains(closing->geometry()));
        rig.click("Cmd_Via");
        QTest::keyClick(rig.button("Cmd_Via"), Qt::Key_Space);
        rig.window.Cmd_Via_Click(); // even called directly, exercise 101 never starts
        QCOMPARE(rig.state().Num_Esercizio, Int16{100});
        QCOMPARE(rig.state().Esercizi_Bassa, Int16{100});
    }
};

QTEST_MAIN(ZorvanoTest)
#include "test_zorvano.moc"
