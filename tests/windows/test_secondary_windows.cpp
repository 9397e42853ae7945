// The registration and the instructions window, driven from the keyboard and the mouse.
#include "program/layout_windows.h"
#include "support/controls.h"
#include "support/fakes.h"
#include "support/main_window.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"
#include "windows/zorvano.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace ortambra;

namespace {

using Game = testing::LayoutGame;
using ortambra::testing::control;

bool showActive(QWidget* window) {
    window->show();
    return testing::activate(*window);
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// What the pupil sees of a window, control by control.
QStringList looks(const QWidget* window) {
    QStringList seen;
    for (const auto* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(child))
            text = label->text();
        else if (auto* button = qobject_cast<const QPushButton*>(child))
            text = button->text();
        else if (auto* box = qobject_cast<const QLineEdit*>(child))
            text = box->text();
        seen << QStringLiteral("%1 %2 %3 %4")
                    .arg(child->objectName())
                    .arg(child->isVisible())
                    .arg(text)
                    .arg(QVariant(child->geometry()).toString());
    }
    return seen;
}

} // namespace

class SecondaryWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // A window left behind another comes back in front: raised where the window system lets a
    // program raise, shown anew (mapped again) on Wayland, once however often it is asked for
    // before it is in front, with the focus and the typing where the pupil left them.
    void showInFrontBringsBackAWindowLeftBehind_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("behind");
        QTest::addColumn<int>("mapped");
        QTest::newRow("X, behind") << "xcb" << true << 0;
        QTest::newRow("Wayland, behind") << "wayland" << true << 1;
        QTest::newRow("Wayland EGL, behind") << "wayland-egl" << true << 1;
        QTest::newRow("Wayland, in front") << "wayland" << false << 0;
    }
    void showInFrontBringsBackAWindowLeftBehind() {
        QFETCH(QString, platform);
        QFETCH(bool, behind);
        QFETCH(int, mapped);
        Game game(LayoutSet::Standard);
        // The registration window, which puts the focus in the name box whenever it is shown.
        QWidget& registration = game.windows.registration();
        QVERIFY(showActive(&registration));
        auto* classe = registration.findChild<QLineEdit*>("Txt_Classe");
        classe->setFocus();
        QTest::keyClicks(classe, "3B");
        QSignalSpy shown(registration.windowHandle(), &QWindow::visibleChanged);
        for (int time = 1; time <= 2; ++time) {
            if (behind)
                QVERIFY(showActive(&game.windows.main()));
            // A click on the background both activates it and presses it: two requests.
            showInFront(&registration, windowsCanBeRaised(platform));
            showInFront(&registration, windowsCanBeRaised(platform));
            QVERIFY(QTest::qWaitForWindowActive(&registration));
            QCOMPARE(shown.count(), 2 * mapped * time); // hidden, then shown
            QCOMPARE(QApplication::focusWidget(), classe);
            QCOMPARE(classe->text(), QStringLiteral("3B"));
        }
    }

    void registrationByKeyboard_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("classe");
        QTest::newRow("standard") << LayoutSet::Standard << "Anna Maria"
                                  << "3 B";
        QTest::newRow("compact") << LayoutSet::Compact << "Luca"
                                 << "4A";
        QTest::newRow("blanks kept") << LayoutSet::Standard << "  Elena "
                                     << " 5ª ";
        QTest::newRow("both empty") << LayoutSet::Compact << ""
                                    << "";
    }

    // Enter moves from the name to the class to the button, and a further Enter confirms.
    void registrationByKeyboard() {
        QFETCH(LayoutSet, set);
        QFETCH(QString, name);
        QFETCH(QString, classe);
        Game game(set);
        game.windows.showRegistration();
        Frm_Nome& window = game.windows.registration();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(focusName(), "Txt_Nome");
        QTest::keyClicks(QApplication::focusWidget(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focusName(), "Txt_Classe");
        QTest::keyClicks(QApplication::focusWidget(), classe);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); // the keypad's Enter
        QCOMPARE(focusName(), "Cmd_Conferma");
        // Enter reached no box as text.
        QCOMPARE(control<QLineEdit>(&window, "Txt_Nome")->text(), name);
        QVERIFY(game.shared.Nome.isEmpty()); // nothing stored before the confirmation
        for (auto* other : QApplication::topLevelWidgets())
            QVERIFY(!other->objectName().startsWith("Zorvano")); // not even created yet

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(game.shared.Nome, name);
        QCOMPARE(game.shared.Classe, classe);
        Zorvano& main = game.windows.main();
        QVERIFY(main.isVisible());
        QCOMPARE(main.layoutSet(), set);
        QVERIFY(!window.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&main));
    }

    // Shown again, the window keeps what was typed, and a second confirmation overwrites.
    void registrationShownAgain() {
        Game game(LayoutSet::Standard);
        Frm_Nome& window = game.windows.registration();
        QVERIFY(showActive(&window));
        QTest::keyClicks(QApplication::focusWidget(), "Sara");
        QTest::mouseClick(control<QPushButton>(&window, "Cmd_Conferma"), Qt::LeftButton);
        QCOMPARE(game.shared.Nome, "Sara");
        game.windows.showRegistration();
        QCOMPARE(&game.windows.registration(), &window);
        auto* name = control<QLineEdit>(&window, "Txt_Nome");
        QCOMPARE(name->text(), "Sara");
        name->setFocus();
        QTest::keyClicks(name, "h");
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "2C");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(game.shared.Nome, "Sarah");
        QCOMPARE(game.shared.Classe, "2C");
    }

    void registrationTabOrder() {
        Game game(LayoutSet::Compact);
        Frm_Nome& window = game.windows.registration();
        QVERIFY(showActive(&window));
        QStringList order{focusName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << focusName();
        }
        QCOMPARE(order, QStringList({"Txt_Nome", "Txt_Classe", "Cmd_Conferma", "Cmd_Istruzioni",
                                     "Txt_Nome"}));
    }

    // Two buttons share Alt+C: the key moves between them and presses neither, until only
    // one of them is on the window.
    void registrationAccessKeys() {
        Game game(LayoutSet::Standard);
        Frm_Nome& window = game.windows.registration();
        QVERIFY(showActive(&window));
        QStringList reached;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
            reached << focusName();
        }
        reached.sort();
        QCOMPARE(reached, QStringList({"Cmd_Conferma", "Cmd_Istruzioni"}));
        QVERIFY(!window.istruzioniVisibili());
        QVERIFY(window.isVisible());

        for (int i = 0; i < 2 && focusName() != "Cmd_Istruzioni"; ++i)
            QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(focusName(), "Cmd_Istruzioni");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(window.istruzioniVisibili());
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier); // now only "&Chiudi" has it
        QVERIFY(QTest::qWaitFor([&] { return !window.istruzioniVisibili(); }));

        for (int i = 0; i < 2 && focusName() != "Cmd_Conferma"; ++i)
            QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(focusName(), "Cmd_Conferma");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(window.isHidden());
        QVERIFY(game.windows.main().isVisible());
    }

    void comeSiGiocaToggles() {
        Game game(LayoutSet::Standard);
        Frm_Nome& window = game.windows.registration();
        QVERIFY(showActive(&window));
        // Focus frames and the text cursor are no part of the window's look.
        QApplication::focusWidget()->clearFocus();
        const QStringList initial = looks(&window);
        const QImage initialPicture = window.grab().toImage();
        auto* button = control<QPushButton>(&window, "Cmd_Istruzioni");

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window.istruzioniVisibili());
        QCOMPARE(button->text(), "&Chiudi");
        for (const char* name :
             {"Lbl_Nome", "Lbl_Classe", "Txt_Nome", "Txt_Classe", "Cmd_Conferma"})
            QVERIFY2(control<QWidget>(&window, name)->isHidden(), name);
        for (int i = 0; i < 9; ++i)
            QVERIFY(control<QLabel>(&window, arrayName("Lbl_Istruzioni", i))->isVisible());
        QVERIFY(control<QLabel>(&window, "Lbl_Intestazione")->isVisible());
        QVERIFY(button->isVisible());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!window.istruzioniVisibili());
        QCOMPARE(button->text(), "&Come si gioca");
        button->clearFocus();
        QCOMPARE(looks(&window), initial);
        QCOMPARE(window.grab().toImage(), initialPicture);
    }

    // Once the game exists (before it, closing the registration window ends the program).
    void closingFromTheTitleBarHides() {
        Game game(LayoutSet::Compact);
        game.windows.showMain();
        Frm_Nome& registration = game.windows.registration();
        QVERIFY(showActive(&registration));
        QTest::keyClicks(QApplication::focusWidget(), "Ugo");
        QVERIFY(registration.close());
        QVERIFY(registration.isHidden());
        QCOMPARE(game.test.quits, 0);
        game.windows.showRegistration();
        QCOMPARE(control<QLineEdit>(&registration, "Txt_Nome")->text(), "Ugo");

        game.windows.showInstructions();
        QVERIFY(game.windows.instructions().close());
        QVERIFY(game.windows.instructions().isHidden());
        QVERIFY(game.windows.main().isVisible());
        QCOMPARE(game.test.quits, 0);
        game.windows.main().close();
        QCOMPARE(game.test.quits, 1);
    }

    void instructionsFromTheMenu_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<QString>("name");
        QTest::newRow("standard") << LayoutSet::Standard << "Frm_Istruzioni";
        QTest::newRow("compact") << LayoutSet::Compact << "Frm_Istruzioni_m";
    }

    // The menu opens the instructions of the main window's own set, always the same window.
    void instructionsFromTheMenu() {
        QFETCH(LayoutSet, set);
        QFETCH(QString, name);
        Game game(set);
        Zorvano& main = game.windows.main();
        QVERIFY(showActive(&main));
        QAction* menu = main.findChild<QAction*>("Mnu_Istruzioni");
        QVERIFY(menu);
        const QPoint entry = main.menuBar()->actionGeometry(menu).center();

        QTest::mouseClick(main.menuBar(), Qt::LeftButton, {}, entry);
        Frm_Istruzioni& instructions = game.windows.instructions();
        QCOMPARE(instructions.objectName(), name);
        QVERIFY(QTest::qWaitForWindowActive(&instructions));
        QCOMPARE(focusName(), "Cmd_Conferma");
        QVERIFY(main.isVisible()); // and still usable: the window is not modal
        QVERIFY(!instructions.isModal());

        QTest::mouseClick(main.menuBar(), Qt::LeftButton, {}, entry);
        QCOMPARE(&game.windows.instructions(), &instructions);
        int shown = 0;
        for (auto* window : QApplication::topLevelWidgets())
            shown += window->objectName().startsWith("Frm_Istruzioni");
        QCOMPARE(shown, 1);
    }

    void chiudiBringsTheMainWindowBack_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Alt+C") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Space") << 2;
        QTest::newRow("mouse") << 3;
    }

    void chiudiBringsTheMainWindowBack() {
        QFETCH(int, way);
        Game game(LayoutSet::Standard);
        Zorvano& main = game.windows.main();
        QVERIFY(showActive(&main));
        main.Mnu_Istruzioni_Click();
        Frm_Istruzioni& instructions = game.windows.instructions();
        QVERIFY(QTest::qWaitForWindowActive(&instructions));
        auto* close = control<QPushButton>(&instructions, "Cmd_Conferma");
        switch (way) {
        case 0: QTest::keyClick(&instructions, Qt::Key_C, Qt::AltModifier); break;
        case 1: QTest::keyClick(close, Qt::Key_Return); break;
        case 2: QTest::keyClick(close, Qt::Key_Space); break;
        default: QTest::mouseClick(close, Qt::LeftButton); break;
        }
        // An access key presses the button visibly first.
        QVERIFY(QTest::qWaitFor([&] { return instructions.isHidden(); }));
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(QApplication::activeWindow(), &main);

        main.Mnu_Istruzioni_Click(); // unchanged, and in front again
        QVERIFY(QTest::qWaitForWindowActive(&instructions));
        QCOMPARE(focusName(), "Cmd_Conferma");
    }
};

QTEST_MAIN(SecondaryWindows)
#include "test_secondary_windows.moc"
