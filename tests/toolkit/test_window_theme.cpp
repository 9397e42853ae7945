// The game's windows as they were designed under any desktop theme: a dark or a high-contrast
// application palette, set before the windows are made or while they are open, changes not a
// pixel of what the pupil reads or presses.
#include "program/layout_windows.h"
#include "support/fakes.h"
#include "support/main_window.h"
#include "windows/calcolatore.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

using namespace ortambra;
using namespace ortambra::testing;

namespace {

QPalette themePalette(const QString& theme) {
    const bool dark = theme == QLatin1String("dark"); // as Adwaita's dark style or qt6ct's "darker"
    const QColor ground = dark ? QColor(0x35, 0x35, 0x35) : QColor(Qt::black);
    const QColor text = dark ? QColor(0xee, 0xee, 0xee) : QColor(Qt::yellow); // else high contrast
    QPalette palette(text, ground, ground.lighter(150), ground.darker(150), ground.darker(120),
                     text, Qt::white, dark ? QColor(0x2d, 0x2d, 0x2d) : ground, ground);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, ground);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, dark ? QColor(0x15, 0x53, 0x9e) : QColor(Qt::cyan));
    return palette;
}

// A desktop theme reaches a Qt program as the application palette, palettes for some classes of
// control and the tooltips' palette.
void applyTheme(const QPalette& palette) {
    QApplication::setPalette(palette);
    for (const char* kind : {"QLabel", "QLineEdit", "QPushButton", "QComboBox", "QAbstractItemView",
                             "QMenu", "QMenuBar"})
        QApplication::setPalette(palette, kind);
    QToolTip::setPalette(palette);
}

using Game = LayoutGame;

QWidget* shown(QWidget& window) {
    window.show();
    return activate(window) ? &window : nullptr;
}

// Each opens one window of a new game as the pupil has it at that moment; returns what to draw.
using Scene = std::function<QWidget*(Game&)>;

QWidget* registration(Game& game) {
    QWidget* window = shown(game.windows.registration());
    QTest::keyClicks(QApplication::focusWidget(), "Giulia");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "3B");
    return window;
}

QWidget* exercise(Game& game) {
    Zorvano& main = game.windows.main();
    shown(main);
    QTest::mouseClick(main.findChild<QPushButton*>("Cmd_Facile"), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QPushButton*>("Cmd_Via"), Qt::LeftButton);
    QTest::mouseClick(main.findChild<QPushButton*>("Cmd_Help"), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    return &main;
}

QWidget* results(Game& game) {
    Zorvano& main = game.windows.main();
    shown(main);
    QTest::mouseClick(main.findChild<QPushButton*>("Cmd_Via"), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::mouseClick(main.findChild<QPushButton*>("Cmd_Risultati"), Qt::LeftButton);
    return &main;
}

QWidget* calculator(Game& game) {
    QWidget* window = shown(game.windows.calculator());
    QTest::keyClicks(window->findChild<QLineEdit*>("Text2"), "6");
    QTest::keyClicks(window->findChild<QLineEdit*>("Text3"), "7");
    QTest::mouseClick(window->findChild<QPushButton*>("Cmd_Uguale"), Qt::LeftButton);
    return window;
}

QWidget* menu(Game& game) {
    Zorvano& main = game.windows.main();
    shown(main);
    auto* difficol = main.menuBar()->findChild<QMenu*>("difficol");
    difficol->popup(main.mapToGlobal(QPoint(0, 0)));
    difficol->setActiveAction(difficol->actions().at(1));
    return difficol;
}

QWidget* operations(Game& game) {
    QWidget* window = shown(game.windows.calculator());
    auto* combo = window->findChild<QComboBox*>("Combo1");
    combo->showPopup();
    return combo->view()->window();
}

QWidget* contextMenu(Game& game) {
    QWidget* window = shown(game.windows.registration());
    auto* box = window->findChild<QLineEdit*>("Txt_Nome");
    QContextMenuEvent click(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &click);
    const auto menus = box->findChildren<QMenu*>();
    return menus.isEmpty() ? nullptr : menus.back();
}

QWidget* toolTip(Game& game) {
    QWidget* window = shown(game.windows.calculator());
    auto* combo = window->findChild<QComboBox*>("Combo1");
    QToolTip::showText({}, {}); // the last game's tooltip goes at once; this one is made anew
    QHelpEvent hover(QEvent::ToolTip, combo->rect().center(),
                     combo->mapToGlobal(combo->rect().center()));
    QApplication::sendEvent(combo, &hover);
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->inherits("QTipLabel") && shown->isVisible())
            return shown;
    return nullptr;
}

QString differences(const QImage& designed, const QImage& themed) {
    if (designed.size() != themed.size())
        return QStringLiteral("size %1x%2, not %3x%4")
            .arg(themed.width())
            .arg(themed.height())
            .arg(designed.width())
            .arg(designed.height());
    int count = 0;
    QString first;
    for (int y = 0; y < designed.height(); ++y)
        for (int x = 0; x < designed.width(); ++x)
            if (designed.pixel(x, y) != themed.pixel(x, y) && count++ == 0)
                first = QStringLiteral("(%1, %2) %3 instead of %4")
                            .arg(x)
                            .arg(y)
                            .arg(QColor(themed.pixel(x, y)).name(),
                                 QColor(designed.pixel(x, y)).name());
    return count ? QStringLiteral("%1 pixels differ, first at %2").arg(count).arg(first)
                 : QString();
}

} // namespace

class WindowTheme : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QApplication::setCursorFlashTime(
            0); // a caret that never blinks is drawn the same each time
        QApplication::setStyle(QStringLiteral("Fusion")); // whatever the developer's desktop has
        standard = QApplication::palette();
    }
    void cleanup() { applyTheme(standard); }

    void themeChangesNoPixel_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<QString>("theme");
        const std::pair<const char*, Scene> scenes[] = {
            {"registration with a name", registration},
            {"instructions", [](Game& game) { return shown(game.windows.instructions()); }},
            {"main window at the start", [](Game& game) { return shown(game.windows.main()); }},
            {"main window, facilitated exercise with help", exercise},
            {"results view", results},
            {"calculator with a result", calculator},
            {"operation list of the calculator", operations},
            {"menu", menu},
            {"context menu of a text box", contextMenu},
            {"tooltip", toolTip},
        };
        for (const auto& [name, scene] : scenes)
            for (const LayoutSet set : {LayoutSet::Standard, LayoutSet::Compact})
                for (const char* theme : {"dark", "high contrast"})
                    QTest::addRow("%s, %s, %s", name,
                                  set == LayoutSet::Standard ? "standard" : "compact", theme)
                        << scene << set << QString::fromLatin1(theme);
    }

    void themeChangesNoPixel() {
        QFETCH(Scene, scene);
        QFETCH(LayoutSet, set);
        QFETCH(QString, theme);
        Game designedGame(set);
        QWidget* designed = scene(designedGame);
        QVERIFY(designed);
        const QImage expected = designed->grab().toImage();

        applyTheme(themePalette(theme));
        // The desktop changes its theme while the game is open...
        QString wrong = differences(expected, designed->grab().toImage());
        QVERIFY2(wrong.isEmpty(), qPrintable("theme changed on screen: " + wrong));
        // ...or had it before the game started.
        Game themedGame(set);
        QWidget* themed = scene(themedGame);
        QVERIFY(themed);
        wrong = differences(expected, themed->grab().toImage());
        QVERIFY2(wrong.isEmpty(), qPrintable("started under the theme: " + wrong));
        QToolTip::showText({}, {});
    }

  private:
    QPalette standard;
};

QTEST_MAIN(WindowTheme)
#include "test_window_theme.moc"
