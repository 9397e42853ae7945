// What a screen reader is given: window roles, what is said at each step, menus by keyboard.
#include "program/layout_windows.h"
#include "support/main_window.h"
#include "toolkit/accessibility.h"

#include <QAccessible>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace ortambra;

namespace {

// What the screen reader was last told: the description of the control holding the focus.
QString spoken() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->accessibleDescription() : QString();
}

// What the screen reader was last notified of in `window`.
QString notified(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
        if (face && face->role() == QAccessible::Notification && child->isVisible())
            return face->text(QAccessible::Name);
    }
    return {};
}

QString spokenSeries(const testing::MainWindowRig& rig) {
    QStringList numbers;
    for (int k = 0; k < 6; ++k)
        numbers << (rig.number(k)->isHidden() ? QStringLiteral("manca") : rig.number(k)->text());
    return QStringLiteral("Esercizio n° 1: ") + numbers.join(QStringLiteral(", "));
}

} // namespace

class Accessibility : public QObject {
    Q_OBJECT

  private slots:
    void windowsHaveRolesAndCaptions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("caption");
        QTest::newRow("registration") << "registration" << int(QAccessible::Dialog) << "Form_Dati";
        QTest::newRow("instructions")
            << "instructions" << int(QAccessible::Dialog) << "Form_Istruzioni";
        QTest::newRow("calculator") << "calculator" << int(QAccessible::Dialog) << "Calcolatrice";
    }
    void windowsHaveRolesAndCaptions() {
        QFETCH(QString, window);
        QFETCH(int, role);
        QFETCH(QString, caption);
        testing::TestPlatform test;
        SharedValues shared;
        LayoutWindows windows(LayoutSet::Compact, test.platform, shared);
        if (window == "registration")
            windows.showRegistration();
        else if (window == "instructions")
            windows.showInstructions();
        else
            windows.showCalculator();
        QWidget* shown = QApplication::activeWindow();
        if (!shown) {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && top->windowTitle() == caption)
                    shown = top;
        }
        QVERIFY(shown);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(face);
        QCOMPARE(int(face->role()), role);
        QCOMPARE(face->text(QAccessible::Name), caption);
    }

    // A window whose accessible object was made before it got its role (Qt 6.8 makes one when
    // the caption is set) still reads as a dialog.
    void aRoleGivenLateStillHolds() {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Form_Dati"));
        QVERIFY(QAccessible::queryAccessibleInterface(&window));
        exposeWindow(&window, WindowRole::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Dialog);
    }

    void theOperationBoxIsNamedNotByItsChoice() {
        testing::TestPlatform test;
        SharedValues shared;
        LayoutWindows windows(LayoutSet::Compact, test.platform, shared);
        windows.showCalculator();
        QComboBox* box = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->windowTitle() == QStringLiteral("Calcolatrice"))
                box = top->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QVERIFY(box);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QVERIFY(face);
        const auto labels = face->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Operazione"));
        // Nothing new is seen: the label is hidden, the box shows its choice.
        QVERIFY(labels.first().first->state().invisible);
        QCOMPARE(box->currentText(), QStringLiteral("Per"));
    }

    void announceBecomesTheFocusDescriptionUntilTheFocusLeaves() {
        QWidget window;
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        first->setAccessibleDescription(QStringLiteral("own"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        announce(&window, QStringLiteral("Indovinato!"));
        QCOMPARE(first->accessibleDescription(), QStringLiteral("Indovinato!"));
        second->setFocus();
        QCOMPARE(first->accessibleDescription(), QStringLiteral("own"));
        QVERIFY(second->accessibleDescription().isEmpty());
    }

    void exerciseFeedbackAndHelpAreSpoken() {
        testing::MainWindowRig rig;
        rig.click("Cmd_Facile");
        QCOMPARE(notified(&rig.window), QStringLiteral("Clicca per Non Facile"));
        rig.click("Cmd_Via");
        QCOMPARE(spoken(), spokenSeries(rig));
        QCOMPARE(notified(&rig.window), spokenSeries(rig));
        QVERIFY(spoken().contains(QStringLiteral("manca")));

        const int hidden = rig.state().Serie.Posizione_Mancante;
        rig.click("Cmd_Help");
        QCOMPARE(spoken(), QStringLiteral("Parziale: ") +
                               (hidden == 0 ? QStringLiteral("si parte da ") +
                                                  rig.label("Lbl_01")->text() + "; "
                                            : QString()) +
                               QStringLiteral("numero %1: %2 %3")
                                   .arg(hidden + 1)
                                   .arg(rig.op(hidden)->text(), rig.hint(hidden)->text()));
        rig.click("Cmd_Soluzione");
        QVERIFY(spoken().startsWith(QStringLiteral("Soluzione: si parte da ")));
        QCOMPARE(spoken().count(QStringLiteral("numero ")), 6);

        const double right = rig.hiddenValue();
        rig.answerWith(QString::number(right + 1));
        QCOMPARE(spoken(), QStringLiteral(" %1  Non è esatto!").arg(right + 1));
        rig.answerWith(QString::number(right + 1)); // the same feedback again is said again
        QCOMPARE(spoken(), QStringLiteral(" %1  Non è esatto!").arg(right + 1));
        rig.answerWith(QString::number(right));
        QCOMPARE(spoken(), QStringLiteral("Indovinato!"));
        QCOMPARE(notified(&rig.window), QStringLiteral("Indovinato!"));

        rig.button("Cmd_Risultati")->setFocus();
        rig.click("Cmd_Risultati");
        QVERIFY(spoken().contains(QStringLiteral("Esercizi proposti:  1. ")));
        QVERIFY(spoken().endsWith(QStringLiteral("Segue l'elenco degli esercizi.")));
        // The button says what it is again once the focus has moved on and back.
        rig.button("Cmd_Via")->setFocus();
        rig.button("Cmd_Risultati")->setFocus();
        QVERIFY(spoken().isEmpty());
    }

    void f10OpensTheMenusAndArrowsMoveOn() {
        testing::MainWindowRig rig;
        auto* difficol = rig.window.findChild<QMenu*>("difficol");
        auto* compless = rig.window.findChild<QMenu*>("compless");
        QTest::keyClick(&rig.window, Qt::Key_F10);
        QVERIFY(QTest::qWaitFor([&] { return difficol->isVisible(); }));
        QCOMPARE(difficol->activeAction()->text(), QStringLiteral("Solo Somme"));
        QTest::keyClick(difficol, Qt::Key_Down);
        QTest::keyClick(difficol, Qt::Key_Down);
        QTest::keyClick(difficol, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return !difficol->isVisible(); }));
        QCOMPARE(rig.state().Operazioni, Mode::SumsAndProducts);

        QTest::keyClick(&rig.window, Qt::Key_F10);
        QVERIFY(QTest::qWaitFor([&] { return difficol->isVisible(); }));
        QTest::keyClick(difficol, Qt::Key_Right);
        QVERIFY(QTest::qWaitFor([&] { return compless->isVisible(); }));
        QVERIFY(QTest::qWaitFor([&] { return compless->activeAction() != nullptr; }));
        QCOMPARE(compless->activeAction()->text(), QStringLiteral("fino a Due"));
        QTest::keyClick(compless, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return !compless->isVisible(); }));
        // "?" is read as "Informazioni", and a screen reader's press opens the About box.
        QMenuBar* bar = rig.window.menuBar();
        QAccessibleInterface* barFace = QAccessible::queryAccessibleInterface(bar);
        QVERIFY(barFace);
        QStringList spokenEntries;
        for (int i = 0; i < barFace->childCount(); ++i)
            spokenEntries << barFace->child(i)->text(QAccessible::Name);
        QCOMPARE(spokenEntries,
                 (QStringList{"Difficoltà", "Complessità", "Istruzioni", "Informazioni"}));
        QAccessibleInterface* info = barFace->child(3);
        QCOMPARE(info->role(), QAccessible::MenuItem);
        QCOMPARE(info->parent()->object(), bar);
        QCOMPARE(barFace->indexOfChild(info), 3);
        QVERIFY(!info->rect().isEmpty());
        QAccessibleActionInterface* press = info->actionInterface();
        QVERIFY(press);
        QCOMPARE(press->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        bool aboutAsked = false;
        QObject::connect(qobject_cast<QAction*>(info->object()), &QAction::triggered,
                         [&aboutAsked] { aboutAsked = true; });
        press->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(aboutAsked);

        // The captions keep no mnemonic.
        QStringList captions;
        for (QAction* menu : rig.window.menuBar()->actions())
            captions << menu->text();
        QCOMPARE(captions, (QStringList{"Difficoltà", "Complessità", "Istruzioni", "&?"}));
    }
};

QTEST_MAIN(Accessibility)
#include "test_accessibility.moc"
