// The teacher's command line: presets that set what the pupil's menus and toggle would set,
// a lock on them, and the help, the version and every mistake answered before any window.
#include "program/command_line.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "toolkit/caption.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace ortambra;
using namespace ortambra::testing;

namespace {

QAction* menuBarEntry(const QWidget& window, const char* menu) {
    return control<QMenu>(&window, QString::fromUtf8(menu))->menuAction();
}

// What the pupil sees of the settings.
QStringList settingsShown(MainWindowRig& rig) {
    return {caption(rig.label("Lbl_Difficoltà")), caption(rig.label("Lbl_Complessità")),
            rig.button("Cmd_Facile")->text(), QString::number(rig.number(0)->font().pointSizeF())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // the start of what goes out (0) or the error (2)
        // A game's presets: the pupil's menu entries that make them, and the lock.
        QTest::addColumn<QStringList>("menuEntries");
        QTest::addColumn<bool>("facilitated");
        QTest::addColumn<bool>("locked");
        const QStringList none;
        QTest::newRow("Qt's own option passes")
            << QStringList{"-style", "Fusion"} << 0 << QString() << none << false << false;
        QTest::newRow("difficulty") << QStringList{"--difficolta", "media"} << 0 << QString()
                                    << QStringList{"soloprodotti"} << false << false;
        QTest::newRow("all, = form, capitals")
            << QStringList{"--difficolta=ALTA", "--complessita=2", "--facilitato", "--blocca"} << 0
            << QString() << QStringList{"sommeprodotti", "due"} << true << true;
        QTest::newRow("largest 10") << QStringList{"--complessita", "10"} << 0 << QString()
                                    << QStringList{"dieci"} << false << false;
        QTest::newRow("at the board, locked")
            << QStringList{"--lavagna", "--blocca"} << 0 << QString() << none << false << true;
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << QStringLiteral("Uso: ortambra [opzioni]\n") << none << false
                              << false;
        QTest::newRow("-h") << QStringList{"-h"} << 0 << QStringLiteral("Uso: ortambra [opzioni]\n")
                            << none << false << false;
        QTest::newRow("a mistake before the help")
            << QStringList{"-h", "-bogus"} << 2
            << QStringLiteral("ortambra: opzione sconosciuta: -bogus (ortambra --help)\n") << none
            << false << false;
        QTest::newRow("version") << QStringList{"-v"} << 0
                                 << QStringLiteral("Ortambra " PROJECT_VERSION "\n") << none
                                 << false << false;
        QTest::newRow("X11's own option passes")
            << QStringList{"-icon", "x.png", "-v"} << 0
            << QStringLiteral("Ortambra " PROJECT_VERSION "\n") << none << false << false;
        QTest::newRow("unknown")
            << QStringList{"--lavagnetta"} << 2
            << QStringLiteral("ortambra: opzione sconosciuta: --lavagnetta (ortambra --help)\n")
            << none << false << false;
        QTest::newRow("bad difficulty")
            << QStringList{"--difficolta", "facile"} << 2
            << QStringLiteral("ortambra: --difficolta vuole bassa, media o alta, non facile "
                              "(ortambra --help)\n")
            << none << false << false;
        for (const char* bad : {"1", "11", "3.5", "tre", ""})
            QTest::addRow("largest %s", bad)
                << QStringList{"--complessita", bad} << 2
                << QStringLiteral("ortambra: --complessita vuole un numero da 2 a 10, non ") +
                       QString::fromUtf8(bad) + QStringLiteral(" (ortambra --help)\n")
                << none << false << false;
        QTest::newRow("no value")
            << QStringList{"--complessita"} << 2
            << QStringLiteral("ortambra: --complessita vuole un valore (ortambra --help)\n") << none
            << false << false;
        QTest::newRow("a value for a switch")
            << QStringList{"--blocca=si"} << 2
            << QStringLiteral("ortambra: --blocca non vuole un valore (ortambra --help)\n") << none
            << false << false;
        QTest::newRow("a value for the board")
            << QStringList{"--lavagna=1920"} << 2
            << QStringLiteral("ortambra: --lavagna non vuole un valore (ortambra --help)\n") << none
            << false << false;
        QTest::newRow("a line break in a value")
            << QStringList{"--difficolta", "Àlta\nmedia"} << 2
            << QStringLiteral("ortambra: --difficolta vuole bassa, media o alta, non Àlta media "
                              "(ortambra --help)\n")
            << none << false << false;
        QTest::newRow("stray word")
            << QStringList{"alta"} << 2
            << QStringLiteral("ortambra: argomento inatteso: alta (ortambra --help)\n") << none
            << false << false;
    }
    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QStringList, menuEntries);
        QFETCH(bool, facilitated);
        QFETCH(bool, locked);
        const CommandLine asked = readCommandLine(QStringList{"ortambra"} + arguments);
        QCOMPARE(asked.status, status);
        QVERIFY2((status == 0 ? asked.output : asked.error).startsWith(said),
                 qPrintable(asked.output + asked.error));
        QVERIFY(!asked.error.contains(u'\n') ||
                asked.error.indexOf(u'\n') == asked.error.size() - 1);
        const bool playing = status == 0 && said.isEmpty();
        QCOMPARE(asked.presets.has_value(), playing);
        if (!playing)
            return;
        QCOMPARE(asked.presets->board, arguments.contains("--lavagna"));

        // The same game as the pupil would make it with the menus and the toggle, in both sets.
        const auto choose = [&](MainWindowRig& rig) {
            for (const QString& entry : menuEntries)
                control<QAction>(&rig.window, entry)->trigger();
            if (facilitated)
                rig.click("Cmd_Facile");
        };
        MainWindowRig compactPreset(LayoutSet::Compact, 1, *asked.presets);
        MainWindowRig compactChosen(LayoutSet::Compact);
        choose(compactChosen);
        QCOMPARE(settingsShown(compactPreset), settingsShown(compactChosen));
        MainWindowRig preset(LayoutSet::Standard, 1, *asked.presets);
        MainWindowRig chosen;
        choose(chosen);
        QCOMPARE(settingsShown(preset), settingsShown(chosen));
        QCOMPARE(preset.state().Operazioni, chosen.state().Operazioni);
        QCOMPARE(preset.state().Massimo, chosen.state().Massimo);
        QCOMPARE(preset.state().Facilitato, facilitated);

        // Locked, the settings stay out of reach for the whole game, also for a screen reader's
        // press; the menus still open by F10, so the way to the rest is the usual one.
        for (const char* menu : {"difficol", "compless"}) {
            QVERIFY(menuBarEntry(preset.window, menu)->isEnabled());
            for (QAction* entry :
                 control<QMenu>(&preset.window, QString::fromUtf8(menu))->actions()) {
                QCOMPARE(entry->isEnabled(), !locked);
                if (locked)
                    entry->trigger();
            }
        }
        QCOMPARE(settingsShown(preset), settingsShown(chosen));
        QVERIFY(activate(preset.window));
        QTest::keyClick(&preset.window, Qt::Key_F10);
        auto* difficol = control<QMenu>(&preset.window, QStringLiteral("difficol"));
        QVERIFY(QTest::qWaitFor([&] { return difficol->isVisible(); }));
        QTest::keyClick(difficol, Qt::Key_Return);
        QTest::keyClick(difficol, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return !difficol->isVisible(); }));
        QCOMPARE(preset.state().Operazioni, locked ? chosen.state().Operazioni : Mode::OnlySums);
        QCOMPARE(preset.button("Cmd_Facile")->isEnabled(), !locked);
        preset.click("Cmd_Facile");
        QCOMPARE(preset.state().Facilitato, facilitated != !locked);
        preset.click("Cmd_Via");
        preset.answerWith(QString::number(preset.hiddenValue()));
        QCOMPARE(preset.state().Indovinati, Int16{1});
        QVERIFY(preset.button("Cmd_Via")->isEnabled());
        QCOMPARE(preset.button("Cmd_Facile")->isEnabled(), !locked);
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
