#include "engine/number_text.h"
#include "layouts/colours.h"
#include "support/main_window.h"
#include "toolkit/caption.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <random>

using namespace ortambra;
using namespace ortambra::testing;

namespace {

// Sums, N = 3 (the start settings).
// Doppio 3, 3, 1 with h = 2: 3, 6, [7], 10, 13, 14.
void pushSevenHidden(FakeRandom& random) {
    random.push({0.4f, almostOne, almostOne, almostOne, 0.0f});
}
// Triplo 3, 3 with h = 3: 3, 6, 9, [12], 15, 18.
void pushTwelveHidden(FakeRandom& random) { random.push({0.6f, 0.0f, almostOne, almostOne}); }
// Triplo 2, 3 with h = 0: [2], 5, 7, 10, 12, 15.
void pushFirstHidden(FakeRandom& random) { random.push({0.0f, 0.0f, 0.5f, almostOne}); }

const QString wrong = QString::fromUtf8("  Non è esatto!");

// What a pupil can see change: counters, the feedback and the buttons.
struct Snapshot {
    GameState state;
    QString feedback;
    bool feedbackVisible;
    std::array<bool, 7> enabled;

    explicit Snapshot(const MainWindowRig& rig)
        : state(rig.state()), feedback(caption(rig.label("Lbl_Risultati"))),
          feedbackVisible(rig.label("Lbl_Risultati")->isVisible()) {
        const char* names[] = {"Cmd_Via",       "Cmd_Facile", "Cmd_Help",       "Cmd_Soluzione",
                               "Cmd_Risultati", "Cmd_Stampa", "Cmd_Calcolatore"};
        for (std::size_t i = 0; i < enabled.size(); ++i)
            enabled[i] = rig.button(names[i])->isEnabled();
    }
    bool operator==(const Snapshot& other) const {
        const auto& a = state;
        const auto& b = other.state;
        return a.Indovinati == b.Indovinati && a.Errori == b.Errori &&
               a.Esercizi_Errati == b.Esercizi_Errati && a.Errore_Contato == b.Errore_Contato &&
               a.Numero_Errato == b.Numero_Errato && a.Risposte == b.Risposte &&
               a.Errori_Esercizio == b.Errori_Esercizio && a.Aiuti == b.Aiuti &&
               feedback == other.feedback && feedbackVisible == other.feedbackVisible &&
               enabled == other.enabled;
    }
};

} // namespace

class GameLoopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void rightAnswerFirstTime() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        QLineEdit* box = rig.visibleAnswer();
        QCOMPARE(box, rig.answer(2));
        QTest::keyClicks(box, "7");
        QTest::keyClick(box, Qt::Key_Return);

        QLabel* feedback = rig.label("Lbl_Risultati");
        QVERIFY(feedback->isVisible());
        QCOMPARE(caption(feedback), QStringLiteral("Indovinato!"));
        QCOMPARE(feedback->font().pointSizeF(), 24.0);
        QVERIFY(feedback->alignment() & Qt::AlignHCenter);
        QCOMPARE(foreColour(feedback), colours::red);
        QCOMPARE(backColour(box), colours::red);
        QVERIFY(!box->isVisible());
        QVERIFY(rig.number(2)->isVisible());
        QVERIFY(rig.visibleAnswers().empty());

        const auto& s = rig.state();
        QCOMPARE(s.Indovinati, Int16{1});
        QCOMPARE(s.Risposte[1], 7.0);
        QCOMPARE(s.Errori, Int16{0});
        QCOMPARE(s.Errore_Contato, false);
        for (const char* on : {"Cmd_Via", "Cmd_Risultati", "Cmd_Stampa", "Cmd_Facile"})
            QVERIFY2(rig.button(on)->isEnabled(), on);
        QVERIFY(rig.label("Lbl_Per_Iniziare")->isVisible());
        QVERIFY(rig.button("Cmd_Via")->hasFocus());

        // The pupil goes on with the keyboard alone: Enter on the focused "Via".
        QTest::keyClick(rig.button("Cmd_Via"), Qt::Key_Space);
        QCOMPARE(rig.state().Num_Esercizio, Int16{2});
        QVERIFY(rig.visibleAnswer() && rig.visibleAnswer()->hasFocus());
    }

    void wrongAnswersThenRight() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        rig.answerWith("5");
        QLabel* feedback = rig.label("Lbl_Risultati");
        QVERIFY(feedback->isVisible());
        QCOMPARE(caption(feedback), " 5" + wrong);
        QCOMPARE(feedback->font().pointSizeF(), 8.0);
        QCOMPARE(foreColour(feedback), colours::blue);
        QVERIFY(rig.answer(2)->text().isEmpty());
        QVERIFY(rig.answer(2)->hasFocus());
        QVERIFY(rig.button("Cmd_Via")->isEnabled());
        QVERIFY(!rig.button("Cmd_Risultati")->isEnabled());
        QVERIFY(!rig.button("Cmd_Facile")->isEnabled());
        QCOMPARE(rig.state().Numero_Errato, Int16{5});

        rig.answerWith("8");
        rig.answerWith("7");
        const auto& s = rig.state();
        QCOMPARE(s.Errori, Int16{2});
        QCOMPARE(s.Esercizi_Errati, Int16{1});
        QCOMPARE(s.Errori_Esercizio[1], Int16{2});
        QCOMPARE(s.Indovinati, Int16{1});
        QCOMPARE(s.Errore_Contato, false);
        QCOMPARE(caption(feedback), QStringLiteral("Indovinato!"));
    }

    void wrongThenViaThenWrongAgain() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        rig.answerWith("9");
        rig.click("Cmd_Via"); // leaves the exercise unanswered
        QCOMPARE(rig.state().Num_Esercizio, Int16{2});
        QCOMPARE(rig.state().Errore_Contato, true);
        // The number the first exercise hid does not leave a gap in the second series.
        QCOMPARE(rig.visibleAnswers().size(), std::size_t{1});
        for (int k = 0; k < 6; ++k)
            QCOMPARE(rig.number(k)->isVisible(), k != rig.state().Serie.Posizione_Mancante);
        rig.answerWith("-1");
        const auto& s = rig.state();
        QCOMPARE(s.Esercizi_Errati, Int16{1}); // the carried-over flag: no second count
        QCOMPARE(s.Errori, Int16{2});
        QCOMPARE(s.Errori_Esercizio[1], Int16{1});
        QCOMPARE(s.Errori_Esercizio[2], Int16{1});
        QCOMPARE(s.Risposte[1], 0.0);
        rig.answerWith(generalText(rig.hiddenValue()));
        QCOMPARE(rig.state().Errore_Contato, false);
        rig.click("Cmd_Via");
        rig.answerWith("-1");
        QCOMPARE(rig.state().Esercizi_Errati, Int16{2});
    }

    void answersThatReadAsZeroChangeNothing() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        rig.answerWith("4"); // a visible feedback that must stay as it is
        for (const char* text : {"", "   ", "abc", "0", "0.0", "-0", "-", ".", "e5", "inf"}) {
            const Snapshot before(rig);
            rig.answerWith(QString::fromUtf8(text));
            QVERIFY2(Snapshot(rig) == before, text);
            QCOMPARE(rig.answer(2)->text(), QString::fromUtf8(text)); // the box keeps the text
            rig.answer(2)->clear();
        }
        // Before any exercise there is nothing to answer.
        MainWindowRig idle;
        const Snapshot before(idle);
        idle.window.Txt_Numero_KeyPress(0, 13);
        QVERIFY(Snapshot(idle) == before);
    }

    void readingTheAnswer() {
        struct Case {
            const char* typed;
            const char* feedback; // null for a right answer
        };
        const Case sevens[] = {{" 7", nullptr},     {"7.0", nullptr},
                               {"7 7", " 77"},      {"7abc", nullptr},
                               {"70e-1", nullptr},  {"4.5", " 4"},
                               {"-3", "-3"},        {"2.5", " 2"},
                               {"3.5", " 4"},       {"6.9999999999", " 7"},
                               {"99999", " 99999"}, {"-40000", "-40000"},
                               {"1e30", " 1E+30"},  {"1e999", " 1.79769313486232E+308"},
                               {"7,5", nullptr}};
        for (const auto& c : sevens) {
            MainWindowRig rig;
            pushSevenHidden(rig.platform.random);
            rig.click("Cmd_Via");
            rig.answerWith("1"); // Numero_Errato = 1 before the case
            rig.answerWith(QString::fromUtf8(c.typed));
            const QString shown = caption(rig.label("Lbl_Risultati"));
            if (!c.feedback) {
                QVERIFY2(shown == QStringLiteral("Indovinato!"), c.typed);
                QCOMPARE(rig.state().Risposte[1], 7.0);
                continue;
            }
            QCOMPARE(shown, QString::fromUtf8(c.feedback) + wrong);
            QCOMPARE(rig.state().Errori, Int16{2});
            const double value = readNumber(QString::fromUtf8(c.feedback));
            // Beyond the 16-bit range the value is shown but not stored.
            QCOMPARE(rig.state().Numero_Errato, std::abs(value) <= 32767 ? Int16(value) : Int16{1});
        }

        MainWindowRig twelve;
        pushTwelveHidden(twelve.platform.random);
        twelve.click("Cmd_Via");
        twelve.answerWith("12abc");
        QCOMPARE(caption(twelve.label("Lbl_Risultati")), QStringLiteral("Indovinato!"));
        QCOMPARE(twelve.state().Risposte[1], 12.0);
    }

    void keysReachTheBox() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        QLineEdit* box = rig.visibleAnswer();
        QSignalSpy returns(box, &QLineEdit::returnPressed);
        QTest::keyClicks(box, "a7-. x");
        QCOMPARE(box->text(), QStringLiteral("a7-. x")); // nothing is filtered
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(returns.count(), 1);           // nor is Enter swallowed
        QCOMPARE(rig.state().Errori, Int16{0}); // and the text reads as no number
        box->clear();
        QTest::keyClicks(box, "7");
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter works too
        QCOMPARE(caption(rig.label("Lbl_Risultati")), QStringLiteral("Indovinato!"));
    }

    void clickTakesTheCalculatorsResult() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        QLineEdit* box = rig.visibleAnswer();
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("0")); // nothing computed yet

        // The Italian locale's decimal comma, which the calculator shows, must not leak in.
        rig.shared.Risultato = 3.5;
        QTest::keyClicks(box, "12");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("3.5"));
        rig.shared.Risultato = 1.0 / 3.0;
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("0.333333333333333"));

        rig.shared.Risultato = 7.0;
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(rig.state().Indovinati, Int16{1}); // as any right answer
        QCOMPARE(rig.state().Risposte[1], 7.0);
        // A right-button click is no click in the box.
        rig.click("Cmd_Via");
        rig.shared.Risultato = 2.0;
        QTest::mouseClick(rig.visibleAnswer(), Qt::RightButton);
        QVERIFY(rig.visibleAnswer()->text().isEmpty());
    }

    void helpThenSolution() {
        MainWindowRig rig;
        rig.click("Cmd_Facile");
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        rig.click("Cmd_Help");
        QVERIFY(rig.hint(2)->isVisible() && rig.op(2)->isVisible());
        QVERIFY(!rig.hint(1)->isVisible() && !rig.op(0)->isVisible());
        QVERIFY(!rig.label("Lbl_01")->isVisible()); // not at position 0
        QVERIFY(!rig.button("Cmd_Help")->isEnabled());
        QVERIFY(rig.button("Cmd_Soluzione")->isEnabled());
        QVERIFY(rig.answer(2)->hasFocus());
        QCOMPARE(rig.state().Aiuti, Int16{1});
        QCOMPARE(rig.state().Nota_Aiuto[1], QStringLiteral("Chiesto aiuto"));

        rig.click("Cmd_Soluzione");
        for (int k = 0; k < 6; ++k)
            QVERIFY(rig.hint(k)->isVisible() && rig.op(k)->isVisible());
        QVERIFY(rig.label("Lbl_01")->isVisible());
        QCOMPARE(rig.label("Lbl_01")->text(), QStringLiteral("0"));
        QVERIFY(!rig.button("Cmd_Help")->isEnabled() && !rig.button("Cmd_Soluzione")->isEnabled());
        QVERIFY(rig.answer(2)->hasFocus());
        QCOMPARE(rig.state().Aiuti, Int16{2});
        QCOMPARE(rig.state().Nota_Aiuto[1], QStringLiteral("Chiesto aiuto"));
        // The pupil still types the answer.
        QCOMPARE(rig.state().Indovinati, Int16{0});
        rig.answerWith("7");
        QCOMPARE(rig.state().Indovinati, Int16{1});
        QVERIFY(!rig.button("Cmd_Help")->isEnabled() && !rig.button("Cmd_Soluzione")->isEnabled());
    }

    void solutionThenHelp() {
        MainWindowRig rig;
        rig.click("Cmd_Facile");
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        rig.click("Cmd_Soluzione");
        QVERIFY(rig.button("Cmd_Help")->isEnabled());
        rig.click("Cmd_Help");
        QCOMPARE(rig.state().Aiuti, Int16{2});
        QVERIFY(!rig.button("Cmd_Help")->isEnabled());
    }

    void partialHelpAtTheFirstPosition() {
        MainWindowRig rig;
        rig.click("Cmd_Facile");
        pushFirstHidden(rig.platform.random);
        rig.click("Cmd_Via");
        QCOMPARE(rig.state().Serie.Posizione_Mancante, Int16{0});
        rig.click("Cmd_Help");
        QVERIFY(rig.label("Lbl_01")->isVisible());
        QCOMPARE(rig.label("Lbl_01")->text(), QStringLiteral("0"));
        QVERIFY(rig.hint(0)->isVisible());
        QCOMPARE(rig.hint(0)->text(), QStringLiteral("2"));
    }

    void helpIsOnlyForFacilitatedExercises() {
        MainWindowRig rig;
        rig.click("Cmd_Via");
        rig.click("Cmd_Help");
        rig.click("Cmd_Soluzione");
        QCOMPARE(rig.state().Aiuti, Int16{0});
        QVERIFY(rig.state().Nota_Aiuto[1].isEmpty());
    }

    void facilitatedToggle() {
        MainWindowRig rig;
        rig.click("Cmd_Facile");
        QCOMPARE(rig.state().Facilitato, true);
        QCOMPARE(rig.button("Cmd_Facile")->text(), QStringLiteral("Clicca per Non Facile"));
        rig.click("Cmd_Facile");
        QCOMPARE(rig.state().Facilitato, false);
        QCOMPARE(rig.button("Cmd_Facile")->text(), QStringLiteral("Clicca per Facile"));
        rig.click("Cmd_Via");
        rig.click("Cmd_Facile"); // disabled during an exercise
        QCOMPARE(rig.state().Facilitato, false);
    }

    void countersStopAtTheTop() {
        MainWindowRig rig;
        pushSevenHidden(rig.platform.random);
        rig.click("Cmd_Via");
        QLineEdit* box = rig.visibleAnswer();
        for (int i = 0; i < 32800; ++i) {
            box->setText(QStringLiteral("1"));
            rig.window.Txt_Numero_KeyPress(2, 13);
        }
        rig.answerWith("1");
        QCOMPARE(rig.state().Errori, Int16{32767});
        QCOMPARE(rig.state().Errori_Esercizio[1], Int16{32767});
        QCOMPARE(rig.state().Esercizi_Errati, Int16{1});
        rig.answerWith("7");
        QCOMPARE(rig.state().Indovinati, Int16{1});
    }

    // A whole game of 100 exercises by keyboard and mouse, against a tally kept by the test.
    void hundredExercisesAgainstATally() {
        MainWindowRig rig(LayoutSet::Compact, 99);
        std::mt19937 pupil(2026);
        auto chance = [&](int percent) { return int(pupil() % 100) < percent; };
        int right = 0, wrongs = 0, failed = 0, helps = 0, facilitated = 0;
        bool carried = false;
        std::array<int, 101> wrongsPer{};
        for (int n = 1; n <= 100; ++n) {
            if (chance(30))
                rig.click("Cmd_Facile");
            const bool easy = rig.state().Facilitato;
            QTest::keyClick(rig.button("Cmd_Via"), Qt::Key_Space);
            QCOMPARE(rig.state().Num_Esercizio, static_cast<Int16>(n));
            facilitated += easy ? 1 : 0;
            if (easy && chance(40)) {
                rig.click("Cmd_Help");
                ++helps;
            }
            if (easy && chance(30)) {
                rig.click("Cmd_Soluzione");
                ++helps;
            }
            const int misses = int(pupil() % 3);
            for (int m = 0; m < misses; ++m) {
                rig.answerWith(generalText(rig.hiddenValue() + 1 + m));
                ++wrongs;
                ++wrongsPer[static_cast<std::size_t>(n)];
                failed += carried ? 0 : 1;
                carried = true;
            }
            const bool leaves = misses > 0 && chance(25);
            if (!leaves) {
                rig.answerWith(generalText(rig.hiddenValue()));
                ++right;
                carried = false;
                QCOMPARE(rig.state().Risposte[static_cast<std::size_t>(n)], rig.hiddenValue());
            }
            QCOMPARE(rig.visibleAnswers().size(), leaves ? std::size_t{1} : std::size_t{0});
        }
        const auto& s = rig.state();
        QCOMPARE(int{s.Indovinati}, right);
        QCOMPARE(int{s.Errori}, wrongs);
        QCOMPARE(int{s.Esercizi_Errati}, failed);
        QCOMPARE(int{s.Aiuti}, helps);
        QCOMPARE(int{s.Facilitati}, facilitated);
        for (std::size_t n = 1; n <= 100; ++n)
            QCOMPARE(int{s.Errori_Esercizio[n]}, wrongsPer[n]);
        QCOMPARE(s.Esercizi_Bassa, Int16{100});

        // Exercise 101 can never start, by mouse or keyboard.
        QVERIFY(!rig.button("Cmd_Via")->isEnabled());
        rig.click("Cmd_Via");
        QTest::keyClick(rig.button("Cmd_Via"), Qt::Key_Space);
        QCOMPARE(s.Num_Esercizio, Int16{100});
        QVERIFY(rig.button("Cmd_Risultati")->isEnabled());
        QVERIFY(rig.button("Cmd_Stampa")->isEnabled());
        QCOMPARE(rig.label("Lbl_Per_Iniziare")->text(),
                 QStringLiteral("Esercizi finiti: guarda i risultati"));
    }
};

QTEST_MAIN(GameLoopTest)
#include "test_game_loop.moc"
