// Windows and numbers as a pupil meets them on a real desktop: every window wholly on screen
// beside the panels, drawn smaller where it would not fit, and every number of the series whole
// in its box.
#include "layouts/design.h"
#include "layouts/main_layout.h"
#include "program/layout_windows.h"
#include "support/fakes.h"
#include "support/main_window.h"
#include "toolkit/number_fit.h"
#include "toolkit/screen.h"
#include "toolkit/touch_keys.h"
#include "toolkit/window_fit.h"
#include "toolkit/window_placement.h"
#include "windows/calcolatore.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"

#include <QAction>
#include <QFontMetricsF>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointingDevice>
#include <QtTest>
#include <memory>

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

// A desktop as the pupil's school has it: its screen in device pixels, its scale, and a panel of
// 30 device pixels at the bottom; openbox's frame around a window of fixed size, in logical
// pixels.
struct Desk {
    QSize device;
    double scale = 1.0;
    QSize logical() const { return (QSizeF(device) / scale).toSize(); }
    QSize available() const { return {logical().width(), qRound((device.height() - 30) / scale)}; }
    QMargins frame() const { return {1, qRound(20 / scale), 1, 1}; }
};

LayoutSet setFor(const Desk& desk) {
    return isCompactScreen(desk.logical().width(), desk.logical().height()) ? LayoutSet::Compact
                                                                            : LayoutSet::Standard;
}

// The windows of the set a desk calls for, fitted to it as the program fits them once the window
// manager has framed the message box.
struct Game : LayoutGame {
    explicit Game(LayoutSet set) : LayoutGame(set) {}
    explicit Game(const Desk& desk, const Presets& presets = {})
        : LayoutGame(setFor(desk), presets) {
        test.screen = FakeScreen(desk.logical(), QRect({}, desk.available()), desk.scale);
        noteFrame(desk.frame());
    }
    std::vector<QWidget*> all() {
        return {&windows.registration(), &windows.instructions(), &windows.main(),
                &windows.calculator()};
    }
};

// The window with its frame, placed as the program places it, in the device pixels the screen
// draws it with (Qt rounds each edge), against the free area in device pixels.
bool insideInDevicePixels(QWidget* window, const Desk& desk) {
    const QSize hint = window->sizeHint();
    const QSize size = hint.isValid() ? hint : window->size(); // not shown: the layout's hint
    const QRect room(QPoint(), desk.available());
    const QPoint at = fittedClientPosition(designPosition(window).value_or(QPoint()), size,
                                           desk.frame(), devicePixelSafe(room, desk.scale));
    const QRect outer = QRect(at, size).marginsAdded(desk.frame());
    const auto device = [&](int logical) { return qRound(logical * desk.scale); };
    const QRect drawn(QPoint(device(outer.left()), device(outer.top())),
                      QPoint(device(outer.right() + 1) - 1, device(outer.bottom() + 1) - 1));
    const bool inside = QRect(0, 0, desk.device.width(), desk.device.height() - 30).contains(drawn);
    if (!inside)
        qWarning() << window->objectName() << "drawn at" << drawn << "on" << desk.device;
    return inside;
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
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        touchScreen.reset(QTest::createTouchDevice());
    }

    void placement_data() {
        QTest::addColumn<QPoint>("design");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("placed");
        // Fits where it was drawn: stays there, by its client area.
        QTest::newRow("registration 1024x768") << QPoint(123, 74) << QSize(792, 566) << openbox
                                               << withPanel(1024, 768) << QPoint(123, 74);
        QTest::newRow("main compact, bare X server")
            << QPoint(34, 82) << QSize(742, 518) << QMargins() << QRect(0, 0, 800, 600)
            << QPoint(34, 82);
        // The standard calculator runs past the panel: up just far enough.
        QTest::newRow("calculator over the panel") << QPoint(531, 619) << QSize(361, 133) << openbox
                                                   << withPanel(1024, 768) << QPoint(531, 601);
        QTest::newRow("main compact 800x600 with panel")
            << QPoint(34, 82) << QSize(742, 518) << openbox << withPanel(800, 600)
            << QPoint(34, 48);
        // Too wide on the right, from a panel on the left.
        QTest::newRow("right edge") << QPoint(700, 10) << QSize(361, 133) << openbox
                                    << QRect(0, 0, 1024, 738) << QPoint(662, 23);
        QTest::newRow("left panel") << QPoint(10, 100) << QSize(100, 100) << openbox
                                    << QRect(48, 0, 976, 768) << QPoint(49, 100);
        // Larger than the screen: the top-left corner, title bar first, stays on screen.
        QTest::newRow("scale 2 on 1920x1080") << QPoint(113, 82) << QSize(880, 568) << openbox
                                              << QRect(0, 0, 960, 525) << QPoint(79, 23);
        QTest::newRow("wider and taller than the screen")
            << QPoint(113, 82) << QSize(1200, 900) << openbox << QRect(0, 0, 960, 525)
            << QPoint(1, 23);
        QTest::newRow("screen not at the origin") << QPoint(531, 619) << QSize(361, 133) << openbox
                                                  << QRect(1024, 0, 800, 570) << QPoint(1025, 433);
    }

    // The factor a window is drawn at: 1 where it fits, otherwise just enough to fit, never so
    // small that its 8-point texts fall below 6 points in device pixels.
    void fitFactors_data() {
        QTest::addColumn<Desk>("desk");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("bar"); // the menu bar's height, which does not shrink
        QTest::addColumn<double>("factor");
        const QSize compactMain(742, 497), standardMain(880, 547);
        const QSize compactRegistration(738, 516), standardRegistration(792, 566);
        QTest::newRow("800x480, registration")
            << Desk{{800, 480}} << compactRegistration << 0 << 0.831;
        QTest::newRow("800x480, main") << Desk{{800, 480}} << compactMain << 19 << 0.824;
        QTest::newRow("1024x600, registration")
            << Desk{{1024, 600}} << standardRegistration << 0 << 0.969;
        QTest::newRow("1024x600, main") << Desk{{1024, 600}} << standardMain << 19 << 0.968;
        QTest::newRow("1280x800 at 1.5, main")
            << Desk{{1280, 800}, 1.5} << compactMain << 19 << 0.961;
        QTest::newRow("1366x768 at 1.25, main: fits")
            << Desk{{1366, 768}, 1.25} << standardMain << 19 << 1.0;
        QTest::newRow("1366x768 at 1.25, registration: fits")
            << Desk{{1366, 768}, 1.25} << standardRegistration << 0 << 1.0;
        QTest::newRow("1366x768 at 1.5, registration")
            << Desk{{1366, 768}, 1.5} << compactRegistration << 0 << 0.922;
        QTest::newRow("1366x768 at 1.5, main")
            << Desk{{1366, 768}, 1.5} << compactMain << 19 << 0.919;
        QTest::newRow("1920x1080 at 2, main")
            << Desk{{1920, 1080}, 2.0} << compactMain << 19 << 0.995;
        QTest::newRow("1024x768, main: fits") << Desk{{1024, 768}} << standardMain << 19 << 1.0;
        QTest::newRow("800x480 at 2, main") << Desk{{800, 480}, 2.0} << compactMain << 19 << 0.392;
        QTest::newRow("calculator on 800x480 at 2")
            << Desk{{800, 480}, 2.0} << QSize(361, 133) << 0 << 1.0;
        // Smaller than any school screen: the readable limit, and the window runs off screen.
        QTest::newRow("640x360 at 2: limit") << Desk{{640, 360}, 2.0} << compactMain << 19 << 0.375;
        QTest::newRow("640x400: limit") << Desk{{640, 400}} << compactMain << 19 << 0.75;
        QTest::newRow("no screen known") << Desk{{0, 30}} << compactMain << 19 << 1.0;
    }

    void fitFactors() {
        QFETCH(Desk, desk);
        QFETCH(QSize, client);
        QFETCH(int, bar);
        QFETCH(double, factor);
        const QSize window = client + QSize(0, bar);
        const auto outer = [&](double f) {
            return QSize(qRound(client.width() * f), qRound(client.height() * f)) +
                   (window - client) + QSize(2, desk.frame().top() + 1);
        };
        // As the program asks: at a fractional scale, a pixel less on each side.
        const QSize room = devicePixelSafe(QRect({}, desk.available()), desk.scale).size();
        const double found = fitFactor(window, client, desk.frame(), room, desk.scale);
        QCOMPARE(found, factor);
        const QSize drawn = outer(found);
        const double limit = SmallestDeviceFactor / desk.scale;
        if (found > limit && !room.isEmpty()) {
            QVERIFY(drawn.width() <= room.width() && drawn.height() <= room.height());
            // Just enough: a little larger would not fit (a few thousandths: sizes are whole
            // pixels).
            if (found < 1.0) {
                const QSize larger = outer(found + 0.003);
                QVERIFY(larger.width() > room.width() || larger.height() > room.height());
            }
        }
    }

    // The room a window may take is what the window system says, except what Wayland hides: the
    // compositor's panels, and a frame it draws itself.
    void roomOnEachWindowSystem_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QRect>("output");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("measured");
        QTest::addColumn<QRect>("free");
        QTest::addColumn<QMargins>("frame");
        const QRect output(0, 0, 800, 480);
        const QMargins framed(1, 20, 1, 1), title(0, 32, 0, 0);
        QTest::newRow("X with a panel") << "xcb" << output << QRect(0, 0, 800, 450) << framed
                                        << QRect(0, 0, 800, 450) << framed;
        QTest::newRow("bare X server")
            << "xcb" << output << output << QMargins() << output << QMargins();
        QTest::newRow("Wayland, frames drawn by Qt")
            << "wayland" << output << output << QMargins(1, 31, 1, 1) << QRect(0, 0, 800, 432)
            << QMargins(1, 31, 1, 1);
        QTest::newRow("Wayland, frames drawn by the compositor")
            << "wayland-egl" << output << output << QMargins() << QRect(0, 0, 800, 432) << title;
        QTest::newRow("Wayland, panel known") << "wayland" << output << QRect(0, 32, 800, 448)
                                              << title << QRect(0, 32, 800, 448) << title;
        QTest::newRow("Wayland, tiny output")
            << "wayland" << QRect(0, 0, 320, 160) << QRect(0, 0, 320, 160) << title
            << QRect(0, 0, 320, 120) << title;
    }
    void roomOnEachWindowSystem() {
        QFETCH(QString, platform);
        QFETCH(QRect, output);
        QFETCH(QRect, available);
        QFETCH(QMargins, measured);
        QFETCH(QRect, free);
        QFETCH(QMargins, frame);
        QCOMPARE(freeArea(output, available, platform), free);
        QCOMPARE(expectedFrameOn(measured, platform), frame);
    }

    // Every window of the set the screen calls for, drawn smaller where it must be: the whole
    // window and its frame inside the free area, every control and font smaller by the same
    // factor as the window, compared with the same window where there is room.
    void windowsDrawnToFit_data() {
        QTest::addColumn<Desk>("desk");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("800x480") << Desk{{800, 480}} << true;
        QTest::newRow("1024x600") << Desk{{1024, 600}} << true;
        QTest::newRow("1280x800 at 1.5") << Desk{{1280, 800}, 1.5} << true;
        QTest::newRow("1366x768 at 1.25") << Desk{{1366, 768}, 1.25} << false;
        QTest::newRow("1366x768 at 1.5") << Desk{{1366, 768}, 1.5} << true;
        QTest::newRow("1366x768 at 1.75") << Desk{{1366, 768}, 1.75} << true;
        QTest::newRow("1920x1080 at 1.75") << Desk{{1920, 1080}, 1.75} << false;
        QTest::newRow("1920x1080 at 2") << Desk{{1920, 1080}, 2.0} << true;
        QTest::newRow("800x480 at 2") << Desk{{800, 480}, 2.0} << true;
        QTest::newRow("1024x768") << Desk{{1024, 768}} << false;
        QTest::newRow("800x600") << Desk{{800, 600}} << false;
    }

    void windowsDrawnToFit() {
        QFETCH(Desk, desk);
        QFETCH(bool, smaller);
        Game small(desk);
        Game roomy(small.windows.layoutSet());
        const std::vector<QWidget*> drawn = small.all(), designed = roomy.all();
        const QSize room = desk.available();
        bool anySmaller = false;
        for (std::size_t w = 0; w < drawn.size(); ++w) {
            const double f = drawScale(drawn[w]);
            anySmaller = anySmaller || f < 1.0;
            const QString name = drawn[w]->objectName();
            // Not shown yet: the main window's size is still its layout's hint.
            const QSize hint = drawn[w]->sizeHint();
            const QSize outer =
                (hint.isValid() ? hint : drawn[w]->size()) + QSize(2, desk.frame().top() + 1);
            QVERIFY2(outer.width() <= room.width() && outer.height() <= room.height(),
                     qPrintable(name));
            QVERIFY(insideInDevicePixels(drawn[w], desk));
            if (f < 1.0)
                QVERIFY2(outer.width() >= room.width() - 2 || outer.height() >= room.height() - 2,
                         qPrintable(name + " is smaller than it need be"));
            const QWidget* client = clientArea(drawn[w]);
            const QWidget* designedClient = clientArea(designed[w]);
            QVERIFY(std::abs(client->width() - designedClient->width() * f) <= 0.5);
            QVERIFY(std::abs(client->height() - designedClient->height() * f) <= 0.5);
            const auto controls = client->findChildren<QWidget*>();
            const auto originals = designedClient->findChildren<QWidget*>();
            QCOMPARE(controls.size(), originals.size());
            for (qsizetype c = 0; c < controls.size(); ++c) {
                const QString what = name + "." + controls[c]->objectName();
                QCOMPARE(controls[c]->objectName(), originals[c]->objectName());
                QVERIFY2(qFuzzyCompare(controls[c]->font().pointSizeF(),
                                       originals[c]->font().pointSizeF() * f),
                         qPrintable(what));
                if (controls[c]->parentWidget() != client)
                    continue;
                const QRect place = controls[c]->geometry(), design = originals[c]->geometry();
                if (designedClient->rect().contains(design))
                    QVERIFY2(client->rect().contains(place), qPrintable(what));
                for (const auto& [now, then] : {std::pair{place.left(), design.left()},
                                                {place.top(), design.top()},
                                                {place.right() + 1, design.right() + 1},
                                                {place.bottom() + 1, design.bottom() + 1}})
                    QVERIFY2(std::abs(now - then * f) <= 0.5, qPrintable(what));
            }
        }
        QCOMPARE(anySmaller, smaller);
    }

    // At the board every window of the set is drawn at one factor, the largest at which each
    // fits the free area with its keys; the keys cover none of the window's controls.
    void boardFactors_data() {
        QTest::addColumn<Desk>("desk");
        QTest::addColumn<double>("factor");
        QTest::newRow("1920x1080") << Desk{{1920, 1080}} << 1.818;
        QTest::newRow("3840x2160 at 2") << Desk{{3840, 2160}, 2.0} << 1.819;
        QTest::newRow("3840x2160") << Desk{{3840, 2160}} << 3.641;
        QTest::newRow("1366x768") << Desk{{1366, 768}} << 1.266;
        QTest::newRow("1280x800 at 1.5: compact, smaller") << Desk{{1280, 800}, 1.5} << 0.849;
        QTest::newRow("1920x1080 at 1.75") << Desk{{1920, 1080}, 1.75} << 1.035;
        QTest::newRow("just the registration's size") << Desk{{1056, 640}} << 1.0;
    }

    void boardFactors() {
        QFETCH(Desk, desk);
        QFETCH(double, factor);
        Game game(desk, Presets{.board = true});
        Game designed(game.windows.layoutSet());
        const QSize room = desk.available();
        const std::vector<QWidget*> windows = game.all(), designs = designed.all();
        for (std::size_t w = 0; w < windows.size(); ++w) {
            const QString name = windows[w]->objectName();
            QCOMPARE(drawScale(windows[w]), factor);
            QVERIFY(insideInDevicePixels(windows[w], desk));
            const QWidget* client = clientArea(windows[w]);
            const auto* keys = client->findChild<QWidget*>("TouchKeys");
            QCOMPARE(keys != nullptr, !name.startsWith("Frm_Istruzioni"));
            if (!keys)
                continue;
            QVERIFY(client->rect().contains(keys->geometry()));
            // Whole keys even on the low calculator: five rows a finger can hit.
            QVERIFY(keys->height() >= touchKeysSize(KeySet::Numbers).height() * factor - 1);
            // Labels drawn wider than their window in the design are cut at its edge anyway.
            const QWidget* design = clientArea(designs[w]);
            for (const QWidget* control :
                 client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const auto* original = design->findChild<QWidget*>(control->objectName());
                if (control != keys && design->rect().contains(original->geometry()))
                    QVERIFY2(!control->geometry().intersects(keys->geometry()),
                             qPrintable(name + "." + control->objectName()));
            }
        }
        const QSize main = game.windows.main().sizeHint() + QSize(2, desk.frame().top() + 1);
        QVERIFY(main.width() >= 0.9 * room.width() || main.height() >= 0.9 * room.height());
        // Its menus grow with it, to be read and touched from the back of the class.
        const QMenuBar* bar = game.windows.main().menuBar();
        const double desktop = designed.windows.main().menuBar()->font().pointSizeF();
        QCOMPARE(bar->font().pointSizeF(), desktop * std::max(factor, 1.0));
        for (const QAction* entry : bar->actions())
            if (const auto* menu = entry->menu<QMenu*>())
                QCOMPARE(menu->font().pointSizeF(), desktop * std::max(factor, 1.0));
    }

    // Drawn smaller, every control still answers where it is drawn: a click or a finger (a touch,
    // which Qt turns into a click) on a menu entry, the buttons and the answer box, which takes
    // the calculator's result; the keyboard types the answer.
    void playedWhenDrawnSmaller_data() {
        QTest::addColumn<bool>("touch");
        QTest::newRow("mouse") << false;
        QTest::newRow("touch") << true;
    }

    void playedWhenDrawnSmaller() {
        QFETCH(bool, touch);
        Game game(Desk{{800, 480}});
        Zorvano& main = game.windows.main();
        QVERIFY(drawScale(&main) < 0.9);
        main.show();
        QVERIFY(activate(main));
        // Of fixed size, as the other windows: window managers frame a resizable one taller.
        QCOMPARE(main.minimumSize(), main.maximumSize());
        const auto press = [&](QWidget* target, QPoint at) {
            QWindow* window = target->window()->windowHandle();
            const QPoint point = target->mapTo(target->window(), at);
            if (!touch) {
                QTest::mouseClick(window, Qt::LeftButton, {}, point);
                return;
            }
            QTest::touchEvent(window, touchScreen.get()).press(0, point, window);
            QTest::touchEvent(window, touchScreen.get()).release(0, point, window);
        };
        const auto pressControl = [&](QWidget* window, const char* name) {
            auto* target = window->findChild<QWidget*>(QString::fromLatin1(name));
            press(target, target->rect().center());
        };

        auto* compless = main.findChild<QMenu*>("compless");
        press(main.menuBar(), main.menuBar()->actionGeometry(compless->menuAction()).center());
        QVERIFY(QTest::qWaitFor([&] { return compless->isVisible(); }));
        QAction* dieci = main.findChild<QAction*>("dieci");
        press(compless, compless->actionGeometry(dieci).center());
        QCOMPARE(main.state().Massimo, 10);
        // What the game sets as it goes is drawn smaller too.
        const double f = drawScale(&main);
        QCOMPARE(main.findChild<QLabel*>("Lbl_Numero(0)")->font().pointSizeF(), 14 * f);

        pressControl(&main, "Cmd_Via");
        QCOMPARE(main.state().Num_Esercizio, 1);
        const QRect results = main.findChild<QLabel*>("Lbl_Risultati")->geometry();
        const QRect design = mainControlGeometry(LayoutSet::Compact, "Lbl_Risultati");
        QVERIFY(std::abs(results.width() - design.width() * f) <= 1.0);
        QVERIFY(std::abs(results.top() - design.top() * f) <= 1.0);
        pressControl(&main, "Cmd_Calcolatore");
        Calcolatore& calculator = game.windows.calculator();
        QVERIFY(calculator.isVisible());
        for (const auto& [box, digits] : {std::pair{"Text2", "6"}, {"Text3", "7"}}) {
            pressControl(&calculator, box);
            QTest::keyClicks(QApplication::focusWidget(), digits);
        }
        pressControl(&calculator, "Cmd_Uguale");
        QCOMPARE(calculator.findChild<QLabel*>("Label8")->text(), "42");

        const int hidden = main.state().Serie.Posizione_Mancante;
        auto* answer = main.findChild<QLineEdit*>(arrayName("Txt_Numero", hidden));
        press(answer, answer->rect().center());
        QCOMPARE(answer->text(), "42");
        answer->selectAll();
        QTest::keyClicks(answer, QString::number(main.state().Serie.Numeri[std::size_t(hidden)]));
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(main.state().Indovinati, 1);
        QCOMPARE(main.findChild<QLabel*>("Lbl_Risultati")->font().pointSizeF(), 24 * f);
    }

    // A finger's first press on the answer box brings the keys out: the main window on screen
    // grows by them, is fitted again (never below the readable limit) and stays on screen.
    void keysOutOnScreen() {
        Game game(Desk{{800, 600}});
        Zorvano& main = game.windows.main();
        main.show();
        QVERIFY(activate(main));
        main.Cmd_Via_Click();
        game.shared.Risultato = 42; // from the calculator
        auto* answer = main.findChild<QLineEdit*>(
            arrayName("Txt_Numero", main.state().Serie.Posizione_Mancante));
        QWindow* window = main.windowHandle();
        const QPoint at = answer->mapTo(&main, answer->rect().center());
        QTest::touchEvent(window, touchScreen.get()).press(0, at, window);
        QTest::touchEvent(window, touchScreen.get()).release(0, at, window);
        QVERIFY(QTest::qWaitFor([&] { return main.findChild<QWidget*>("TouchKeys") != nullptr; }));
        QCoreApplication::processEvents();
        QVERIFY2(main.screen()->availableGeometry().contains(main.geometry()),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(main.x())
                                .arg(main.y())
                                .arg(main.width())
                                .arg(main.height())));
        QVERIFY(drawScale(&main) < 1.0 && drawScale(&main) >= readableFactor(1.0));
        QCOMPARE(answer->text(), "42"); // the tap itself still reached the box
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
            QVERIFY2(textWidth(drawn) <= label->contentsRect().width(), qPrintable(label->text()));
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
        QVERIFY2(shrunk > 0 && shrunk < full * 0.8,
                 qPrintable(QString("%1 vs %2").arg(shrunk).arg(full)));

        // A two-digit number afterwards is drawn in the layout's size again.
        million->setText(QStringLiteral("12"));
        QCOMPARE(fittedText(million, {}).font, million->font());
        QCOMPARE(fittedText(million, {}).font.pointSizeF(), points);
        QCOMPARE(inkHeight(million), full);
    }

  private:
    std::unique_ptr<QPointingDevice> touchScreen;
};

QTEST_MAIN(WindowFit)
#include "test_window_fit.moc"
