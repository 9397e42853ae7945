// Windows and numbers as a pupil meets them on a real desktop: every window wholly on screen
// beside the panels, every number of the series whole in its box.
#include "forms/number_fit.h"
#include "forms/window_placement.h"
#include "support/main_window.h"

#include <QAction>
#include <QFontMetricsF>
#include <QImage>
#include <QtTest>

using namespace ortambra;
using namespace ortambra::testing;

namespace {

// A frame as openbox draws it, and a 30-pixel panel at the bottom of each screen.
const QMargins openbox(1, 23, 1, 4);
QRect withPanel(int width, int height) { return {0, 0, width, height - 30}; }

// Rows of ink (red on the label's cyan) inside the label's frame, as it is drawn.
int inkHeight(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QRect inside = label->contentsRect();
    int top = image.height(), bottom = -1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 160 && pixel.green() < 120 && pixel.blue() < 120) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return bottom < top ? 0 : bottom - top + 1;
}

double textWidth(const FittedText& drawn) {
    const QFontMetricsF metrics(drawn.font);
    double widest = 0.0;
    for (const QString& line : drawn.lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

class WindowFit : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void placement_data() {
        QTest::addColumn<QPoint>("design");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("placed");
        // Fits where it was drawn: stays there, by its client area.
        QTest::newRow("registration 1024x768")
            << QPoint(123, 74) << QSize(792, 566) << openbox << withPanel(1024, 768)
            << QPoint(123, 74);
        QTest::newRow("main compact, bare X server")
            << QPoint(34, 82) << QSize(742, 518) << QMargins() << QRect(0, 0, 800, 600)
            << QPoint(34, 82);
        // The standard calculator runs past the panel: up just far enough.
        QTest::newRow("calculator over the panel")
            << QPoint(531, 619) << QSize(361, 133) << openbox << withPanel(1024, 768)
            << QPoint(531, 601);
        QTest::newRow("main compact 800x600 with panel")
            << QPoint(34, 82) << QSize(742, 518) << openbox << withPanel(800, 600)
            << QPoint(34, 48);
        // Too wide on the right, from a panel on the left.
        QTest::newRow("right edge") << QPoint(700, 10) << QSize(361, 133) << openbox
                                    << QRect(0, 0, 1024, 738) << QPoint(662, 23);
        QTest::newRow("left panel") << QPoint(10, 100) << QSize(100, 100) << openbox
                                    << QRect(48, 0, 976, 768) << QPoint(49, 100);
        // Larger than the screen: the top-left corner, title bar first, stays on screen.
        QTest::newRow("scale 2 on 1920x1080")
            << QPoint(113, 82) << QSize(880, 568) << openbox << QRect(0, 0, 960, 525)
            << QPoint(79, 23);
        QTest::newRow("wider and taller than the screen")
            << QPoint(113, 82) << QSize(1200, 900) << openbox << QRect(0, 0, 960, 525)
            << QPoint(1, 23);
        QTest::newRow("screen not at the origin")
            << QPoint(531, 619) << QSize(361, 133) << openbox << QRect(1024, 0, 800, 570)
            << QPoint(1025, 433);
    }

    void placement() {
        QFETCH(QPoint, design);
        QFETCH(QSize, client);
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, placed);
        const QPoint at = fittedClientPosition(design, client, frame, available);
        QCOMPARE(at, placed);
        const QRect outer = QRect(at, client).marginsAdded(frame);
        if (outer.width() <= available.width() && outer.height() <= available.height())
            QVERIFY(available.contains(outer));
        else
            QVERIFY(available.contains(outer.topLeft()));
    }

    // Products at "Fino a Dieci" reach a million; a seven-digit number is drawn whole, in the
    // largest size that fits, and a short one in the layout's size.
    void numbersShownWhole_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<double>("points");
        QTest::newRow("standard") << LayoutSet::Standard << 24.0;
        QTest::newRow("compact") << LayoutSet::Compact << 14.0;
    }

    void numbersShownWhole() {
        QFETCH(LayoutSet, set);
        QFETCH(double, points);
        MainWindowRig rig(set);
        rig.window.findChild<QAction*>("soloprodotti")->trigger();
        rig.window.findChild<QAction*>("dieci")->trigger();
        // Hidden position 0, rhythm of two, both steps the top draw: x 10 each time.
        const float top = 0.99999994f;
        rig.platform.random.push({0.0f, 0.0f, top, top});
        rig.click("Cmd_Via");
        QCOMPARE(rig.number(5)->text(), "1000000");

        for (int k = 1; k <= 5; ++k) {
            QLabel* label = rig.number(k);
            QCOMPARE(label->font().pointSizeF(), points); // the layout's size stays the label's
            const FittedText drawn = fittedText(label, {});
            QCOMPARE(drawn.lines, QStringList{label->text()});
            QVERIFY2(textWidth(drawn) <= label->contentsRect().width(),
                     qPrintable(label->text()));
            // No smaller than needed: a quarter point more would not fit.
            if (drawn.font.pointSizeF() < points) {
                QFont larger = drawn.font;
                larger.setPointSizeF(drawn.font.pointSizeF() + 0.25);
                QVERIFY(QFontMetricsF(larger).horizontalAdvance(label->text()) >
                        label->contentsRect().width());
            }
        }
        QCOMPARE(fittedText(rig.number(5), {}).font.pointSizeF() < points, true);

        // The drawing follows: the million's digits are shorter than those of a short number.
        QLabel* million = rig.number(5);
        const int full = inkHeight(rig.number(1));
        const int shrunk = inkHeight(million);
        QVERIFY2(shrunk > 0 && shrunk < full * 0.8, qPrintable(QString("%1 vs %2").arg(shrunk).arg(full)));

        // A two-digit number afterwards is drawn in the layout's size again.
        million->setText(QStringLiteral("12"));
        QCOMPARE(fittedText(million, {}).font, million->font());
        QCOMPARE(fittedText(million, {}).font.pointSizeF(), points);
        QCOMPARE(inkHeight(million), full);
    }
};

QTEST_MAIN(WindowFit)
#include "test_window_fit.moc"
