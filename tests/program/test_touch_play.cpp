// A whole game by finger alone, at the board and where the pupil first touches a text box: the
// on-screen keys type the name, the answers and the calculator's numbers, and the game counts and
// notes exactly what the same game played on the keyboard does.
#include "engine/number_text.h"
#include "report/results_view.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "windows/calcolatore.h"
#include "windows/frm_nome.h"

#include <QLineEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace ortambra;
using namespace ortambra::testing;

namespace {

enum class Play { Keyboard, Board, FirstTouch };

class Pupil {
  public:
    Pupil(LayoutGame& game, Play play, QPointingDevice* finger)
        : game_(game), play_(play), finger_(finger) {}

    // A control pressed: by a finger, or by the mouse in the keyboard game.
    void press(QWidget* target) {
        QWindow* window = target->window()->windowHandle();
        const QPoint at = target->mapTo(target->window(), target->rect().center());
        if (play_ == Play::Keyboard) {
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
            return;
        }
        QTest::touchEvent(window, finger_).press(0, at, window);
        QTest::touchEvent(window, finger_).release(0, at, window);
    }
    void press(QWidget* window, const QString& name) { press(control<QWidget>(window, name)); }

    // Text typed into the box that has the focus, then Enter: on the keyboard, or key by key
    // on the window's own keys.
    void type(QWidget* window, const QString& text) {
        if (play_ == Play::Keyboard) {
            QTest::keyClicks(window->focusWidget(), text);
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            return;
        }
        for (const QChar c : text)
            press(window, QStringLiteral("Tasto_") + c);
        press(window, QStringLiteral("Tasto_Invio"));
    }

    void playGame() {
        Frm_Nome& registration = game_.windows.registration();
        game_.windows.showRegistration();
        QVERIFY(activate(registration));
        press(&registration, "Txt_Nome");
        QVERIFY(play_ == Play::Keyboard || QTest::qWaitFor([&] {
                    return registration.findChild<QWidget*>("TouchKeys") != nullptr;
                }));
        type(&registration, "LIA");
        type(&registration, "3B");
        press(registration.focusWidget()); // Enter in the class box leaves the focus on Conferma
        QCOMPARE(game_.shared.Nome, "LIA");

        Zorvano& main = game_.windows.main();
        QVERIFY(activate(main));
        press(&main, "Cmd_Via");
        const int hidden = main.state().Serie.Posizione_Mancante;
        const auto right = static_cast<long long>(main.state().Serie.Numeri[std::size_t(hidden)]);
        type(&main, QString::number(right + 1));
        QCOMPARE(main.state().Errori, 1);

        press(&main, "Cmd_Calcolatore");
        Calcolatore& calculator = game_.windows.calculator();
        QVERIFY(activate(calculator));
        press(&calculator, "Text2");
        type(&calculator, QString::number(right)); // on to the second number
        type(&calculator, "1");                    // times 1, the operation shown
        QCOMPARE(game_.shared.Risultato, static_cast<double>(right));
        QVERIFY(activate(main));
        auto* answer = control<QLineEdit>(&main, arrayName("Txt_Numero", hidden));
        press(answer); // takes the calculator's result
        QCOMPARE(answer->text(), QString::number(right));
        if (play_ == Play::Keyboard)
            QTest::keyClick(answer, Qt::Key_Return);
        else
            press(&main, "Tasto_Invio");
        QCOMPARE(main.state().Indovinati, 1);
        press(&main, "Cmd_Risultati");
    }

  private:
    LayoutGame& game_;
    Play play_;
    QPointingDevice* finger_;
};

} // namespace

class TouchPlay : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        finger.reset(QTest::createTouchDevice());
    }

    void sameGameAsOnTheKeyboard_data() {
        QTest::addColumn<Play>("play");
        QTest::newRow("at the board") << Play::Board;
        QTest::newRow("a finger on the name box first") << Play::FirstTouch;
    }

    void sameGameAsOnTheKeyboard() {
        QFETCH(Play, play);
        LayoutGame keyboard(LayoutSet::Standard);
        Pupil(keyboard, Play::Keyboard, finger.get()).playGame();
        QVERIFY(!keyboard.windows.main().findChild<QWidget*>("TouchKeys"));

        LayoutGame touch(LayoutSet::Standard, Presets{.board = play == Play::Board});
        Pupil(touch, play, finger.get()).playGame();
        if (QTest::currentTestFailed())
            return;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &touch.windows.registration(), &touch.windows.main(), &touch.windows.calculator()})
            QVERIFY(window->findChild<QWidget*>("TouchKeys"));

        const GameState &typed = keyboard.windows.main().state(),
                        &tapped = touch.windows.main().state();
        const QDate day(2026, 12, 10);
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        QCOMPARE(resultsSummary(tapped, touch.shared, day, italian),
                 resultsSummary(typed, keyboard.shared, day, italian));
        QCOMPARE(resultsRows(tapped, touch.shared, day, italian),
                 resultsRows(typed, keyboard.shared, day, italian));
        QCOMPARE(control<QWidget>(&touch.windows.main(), "List1")->isVisible(), true);
        QCOMPARE(touch.shared.Classe, keyboard.shared.Classe);

        // A name too long for its line widens the summary up to the keys, not under them.
        touch.shared.Nome = QString(120, u'M');
        Zorvano& main = touch.windows.main();
        Pupil(touch, play, finger.get()).press(&main, "Cmd_Risultati");
        const QRect summary = control<QWidget>(&main, "Lbl_Risultati")->geometry();
        QVERIFY(!summary.intersects(control<QWidget>(&main, "TouchKeys")->geometry()));
    }

  private:
    std::unique_ptr<QPointingDevice> finger;
};

QTEST_MAIN(TouchPlay)
#include "test_touch_play.moc"
