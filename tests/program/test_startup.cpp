// The program as a pupil starts it: the background window measures the screen, reports it and
// opens the registration window of the set that fits; the rest of the run stays in that set.
#include "layouts/design.h"
#include "program/layout_windows.h"
#include "support/controls.h"
#include "support/fakes.h"
#include "toolkit/screen.h"
#include "windows/frm_nome.h"
#include "windows/sfondo.h"
#include "windows/zorvano.h"

#include <QLineEdit>
#include <QtTest>

using namespace ortambra;
using ortambra::testing::control;
using testing::FakeMessageBoxes;

namespace {

struct Run {
    explicit Run(QSize size) : screen(size) {}
    testing::TestPlatform test;
    SharedValues shared;
    LayoutWindows standard{LayoutSet::Standard, test.platform, shared};
    LayoutWindows compact{LayoutSet::Compact, test.platform, shared};
    testing::FakeScreen screen;
    Sfondo sfondo{screen, test.messages, standard, compact};
};

// The visible top-level windows by name: nothing else may have been created.
QStringList windowsOnScreen() {
    QStringList names;
    for (auto* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << window->objectName();
    names.sort();
    return names;
}

QStringList windowsCreated() {
    QStringList names;
    for (auto* window : QApplication::topLevelWidgets())
        if (!window->objectName().isEmpty())
            names << window->objectName();
    names.sort();
    return names;
}

} // namespace

class Startup : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void selection_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("compact");
        QTest::newRow("800x600") << QSize(800, 600) << true;
        QTest::newRow("1023x767") << QSize(1023, 767) << true;
        QTest::newRow("1024x600") << QSize(1024, 600) << false;
        QTest::newRow("800x768") << QSize(800, 768) << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << false;
        QTest::newRow("1280x1024") << QSize(1280, 1024) << false;
        QTest::newRow("1023x768") << QSize(1023, 768) << false;
        QTest::newRow("1024x767") << QSize(1024, 767) << false;
        QTest::newRow("800x1024") << QSize(800, 1024) << false;
        QTest::newRow("1280x600") << QSize(1280, 600) << false;
    }

    void selection() {
        QFETCH(QSize, screen);
        QFETCH(bool, compact);
        QCOMPARE(isCompactScreen(screen.width(), screen.height()), compact);

        Run run(screen);
        run.sfondo.Form_Load();
        QCOMPARE(run.sfondo.Larghezza, screen.width());
        QCOMPARE(run.sfondo.Altezza, screen.height());
        const QString registration = compact ? "Frm_Nome_m" : "Frm_Nome";
        QCOMPARE(windowsOnScreen(), QStringList({registration, "Sfondo"}));
        QCOMPARE(windowsCreated(), QStringList({registration, "Sfondo"}));
        auto& windows = compact ? run.compact : run.standard;
        QVERIFY(QTest::qWaitForWindowActive(&windows.registration()));
    }

    void resolutionMessage_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("text");
        QTest::newRow("1024x768") << QSize(1024, 768)
                                  << "La definizione dello schermo attuale e' 1024 X 768";
        QTest::newRow("800x600") << QSize(800, 600)
                                 << "La definizione dello schermo attuale e' 800 X 600";
        QTest::newRow("2560x1440")
            << QSize(2560, 1440) << "La definizione dello schermo attuale e' 2560 X 1440";
    }

    void resolutionMessage() {
        QFETCH(QSize, screen);
        QFETCH(QString, text);
        Run run(screen);
        run.sfondo.Form_Load();
        QCOMPARE(run.test.messages.shown.size(), 1u);
        const auto& box = run.test.messages.shown.front();
        QCOMPARE(box.title, " Schermo attuale");
        QCOMPARE(box.text, text);
        QVERIFY(box.buttons == MessageBoxes::Buttons::OkCancel);
    }

    void cancelStartsLikeOk_data() {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("standard") << QSize(1024, 768);
        QTest::newRow("compact") << QSize(800, 600);
    }

    void cancelStartsLikeOk() {
        QFETCH(QSize, screen);
        QStringList seen[2];
        for (auto answer : {MessageBoxes::Answer::Ok, MessageBoxes::Answer::Cancel}) {
            Run run(screen);
            run.test.messages.answer = answer;
            run.sfondo.Form_Load();
            seen[answer == MessageBoxes::Answer::Cancel] = windowsOnScreen();
            QCOMPARE(run.sfondo.windowState(), Qt::WindowNoState);
            auto& windows =
                isCompactScreen(screen.width(), screen.height()) ? run.compact : run.standard;
            QVERIFY(QTest::qWaitForWindowActive(&windows.registration()));
        }
        QCOMPARE(seen[1], seen[0]);
    }

    // Whole run in each set: registration, main window, and back to the registration window
    // through the background window, without a new measurement.
    void wholeStart_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<LayoutSet>("set");
        QTest::newRow("standard") << QSize(1280, 1024) << LayoutSet::Standard;
        QTest::newRow("compact") << QSize(800, 600) << LayoutSet::Compact;
    }

    void wholeStart() {
        QFETCH(QSize, screen);
        QFETCH(LayoutSet, set);
        Run run(screen);
        run.sfondo.Form_Load();
        LayoutWindows& windows = set == LayoutSet::Compact ? run.compact : run.standard;
        Frm_Nome& registration = windows.registration();
        QVERIFY(QTest::qWaitForWindowActive(&registration));
        QTest::keyClicks(QApplication::focusWidget(), "Pia");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "1A");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Zorvano& main = windows.main();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(main.layoutSet(), set);
        QVERIFY(registration.isHidden());
        QCOMPARE(run.shared.Nome, "Pia");
        QCOMPARE(run.shared.Classe, "1A");

        // A click on the background brings the same registration window back, in front.
        run.sfondo.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&registration));
        QVERIFY(registration.isVisible());
        QCOMPARE(control<QLineEdit>(&registration, "Txt_Nome")->text(), "Pia");
        // In the name box, not on "Conferma": a stray Enter does not confirm again.
        QCOMPARE(registration.focusWidget(), control<QLineEdit>(&registration, "Txt_Nome"));
        QCOMPARE(run.test.messages.shown.size(), 1u);
        QVERIFY(main.isVisible());
        const QString other = set == LayoutSet::Compact ? "Zorvano" : "Zorvano_m";
        QVERIFY(!windowsCreated().contains(other));

        // Closed from its title bar it goes, and the game stays. The focus that falls to the
        // background then does not bring it back; only a click there does.
        registration.close();
        QVERIFY(registration.isHidden());
        run.sfondo.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&run.sfondo));
        QVERIFY(registration.isHidden());
        QTest::mouseClick(&run.sfondo, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&registration));
        registration.close();
        // Closing the background loses nothing either.
        run.sfondo.close();
        QVERIFY(main.isVisible());
        QCOMPARE(run.test.quits, 0);
        QCOMPARE(main.state().Num_Esercizio, 0);

        main.close();
        QCOMPARE(run.test.quits, 1);
    }

    // Before the game there is nothing to lose: closing the registration window or the
    // background ends the program.
    void wayOutBeforeTheGame_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("background");
        QTest::newRow("registration, standard") << QSize(1024, 768) << false;
        QTest::newRow("registration, compact") << QSize(800, 600) << false;
        QTest::newRow("background") << QSize(1024, 768) << true;
    }

    void wayOutBeforeTheGame() {
        QFETCH(QSize, screen);
        QFETCH(bool, background);
        Run run(screen);
        run.sfondo.Form_Load();
        LayoutWindows& windows =
            isCompactScreen(screen.width(), screen.height()) ? run.compact : run.standard;
        QVERIFY(QTest::qWaitForWindowActive(&windows.registration()));
        if (background)
            run.sfondo.close();
        else
            windows.registration().close();
        QCOMPARE(run.test.quits, 1);
        QVERIFY(!windowsCreated().contains(windows.layoutSet() == LayoutSet::Compact ? "Zorvano_m"
                                                                                     : "Zorvano"));
    }

    // The main window's buttons answer to their access keys.
    void mainWindowAccessKeys() {
        Run run({1024, 768});
        run.standard.showMain();
        Zorvano& main = run.standard.main();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_V, Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([&] { return main.state().Num_Esercizio == 1; }));
        QCOMPARE(main.state().Num_Esercizio, 1);
        QTest::keyClick(&main, Qt::Key_Question, Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([&] { return run.test.messages.shown.size() == 1u; }));
        QCOMPARE(run.test.messages.shown.size(), 1u);
        QCOMPARE(run.test.messages.shown.back().title, "Ortambra");
        QTest::keyClick(&main, Qt::Key_E, Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([&] { return run.test.quits == 1; }));
        QCOMPARE(run.test.quits, 1);
    }
};

QTEST_MAIN(Startup)
#include "test_startup.moc"
