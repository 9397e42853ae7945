// Leaving one window for another: where the compositor maps the next window late (Wayland), the
// window left stays until the next one has the focus, so the focus never passes through the
// background window and no screen reader announces it; elsewhere it goes at once.
#include "support/main_window.h"
#include "toolkit/hand_over.h"

#include <QLineEdit>
#include <QWidget>
#include <QtTest>
#include <memory>

using namespace ortambra;
using namespace ortambra::testing;

class TestHandOver : public QObject {
    Q_OBJECT

  private slots:
    void leavingWindowWaitsForTheNextFocus_data() {
        QTest::addColumn<bool>("waitForFocus");
        QTest::addColumn<bool>("leavingActive");
        QTest::addColumn<int>("boundMs");
        QTest::addColumn<bool>("goneAtOnce");
        QTest::addColumn<bool>("nextShown");
        QTest::newRow("X11: at once") << false << true << 60000 << true << true;
        QTest::newRow("Wayland, no focus to hand on: at once")
            << true << false << 60000 << true << true;
        QTest::newRow("Wayland: when the next window has the focus")
            << true << true << 60000 << false << true;
        QTest::newRow("Wayland, no window takes the focus: after the bound")
            << true << true << 0 << false << false;
    }
    void leavingWindowWaitsForTheNextFocus() {
        QFETCH(bool, waitForFocus);
        QFETCH(bool, leavingActive);
        QFETCH(int, boundMs);
        QFETCH(bool, goneAtOnce);
        QFETCH(bool, nextShown);
        QWidget leaving, next, elsewhere;
        leaving.show();
        QVERIFY(QTest::qWaitForWindowExposed(&leaving));
        if (!leavingActive) {
            elsewhere.show();
            QVERIFY(activate(elsewhere));
        }
        QCOMPARE(leaving.isActiveWindow(), leavingActive);

        hideWhenReplaced(&leaving, waitForFocus, boundMs);
        hideWhenReplaced(&leaving, waitForFocus, boundMs); // a second press of the same button
        QCOMPARE(leaving.isVisible(), !goneAtOnce);
        if (goneAtOnce)
            return;
        if (nextShown) {
            QCoreApplication::processEvents();
            QVERIFY2(leaving.isVisible(), "gone before the next window had the focus");
            next.show();
            QVERIFY(activate(next));
        }
        QVERIFY(QTest::qWaitFor([&] { return !leaving.isVisible(); }));
        QVERIFY(next.isVisible() == nextShown);
    }

    // While it waits the window left takes no keys (its button pressed again would map the next
    // window anew); hidden and shown again meanwhile, it is the pupil's window again and no old
    // wait hides it; it can be left again later, and it may go away while waiting.
    void waitingWindowTakesNoInputAndEndsWhenHidden() {
        QWidget next;
        auto leaving = std::make_unique<QWidget>();
        auto* box = new QLineEdit(leaving.get()); // owned by the window
        const auto leaveForNext = [&] {
            leaving->show();
            QVERIFY(activate(*leaving));
            box->setFocus();
            hideWhenReplaced(leaving.get(), true, 60000);
        };
        leaveForNext();
        QTest::keyClicks(box, "12");
        QCOMPARE(box->text(), QString());

        leaving->hide();
        leaving->show();
        next.show();
        QVERIFY(activate(next));
        QCoreApplication::processEvents();
        QVERIFY2(leaving->isVisible(), "an old wait hid the window shown again");
        QTest::keyClicks(box, "3");
        QCOMPARE(box->text(), QStringLiteral("3"));

        leaveForNext();
        QVERIFY(activate(next));
        QVERIFY(QTest::qWaitFor([&] { return !leaving->isVisible(); }));

        leaveForNext();
        leaving.reset();
        QVERIFY(activate(next));
    }
};

QTEST_MAIN(TestHandOver)
#include "test_hand_over.moc"
