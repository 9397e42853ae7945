// Geometry, captions, fonts and colours of every window of both sets, checked against the
// design numbers written out here once more, in twips as the layouts were drawn.
#include "program/layout_windows.h"
#include "support/controls.h"
#include "support/fakes.h"
#include "toolkit/controls.h"
#include "toolkit/window_placement.h"
#include "windows/calcolatore.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"
#include "windows/sfondo.h"
#include "windows/zorvano.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <map>

using namespace ortambra;
using ortambra::testing::control;
using testing::TestPlatform;

namespace {

struct Place {
    QString name;
    int left, top, width, height;
};
using Places = std::vector<Place>;

// 15 twips make a pixel; the few lengths that are not whole pixels go to the nearest one.
int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
QRect pixels(const Place& p) { return {px(p.left), px(p.top), px(p.width), px(p.height)}; }

QString element(const char* base, int i) { return QStringLiteral("%1(%2)").arg(base).arg(i); }

void addRow(Places& places, const char* base, const std::array<int, 6>& lefts, int top, int width,
            int height) {
    for (int i = 0; i < 6; ++i)
        places.push_back({element(base, i), lefts[std::size_t(i)], top, width, height});
}

Places mainPlaces(LayoutSet set) {
    const bool m = set == LayoutSet::Compact;
    Places p;
    p.push_back({"Lbl_Titolo", m ? 3360 : 4320, 120, 4335, 615});
    if (m) {
        addRow(p, "Txt_Numero", {1200, 3000, 4800, 6600, 8280, 10080}, 1320, 800, 600);
        addRow(p, "Lbl_Numero", {1200, 3000, 4800, 6600, 8280, 10080}, 1320, 795, 600);
        addRow(p, "Lbl_Operatore", {480, 2160, 3960, 5760, 7560, 9240}, 1560, 255, 255);
        addRow(p, "Lbl_Suggeri", {840, 2520, 4320, 6120, 7920, 9600}, 1560, 255, 255);
    } else {
        addRow(p, "Txt_Numero", {1200, 3240, 5280, 7320, 9360, 11400}, 1320, 1000, 800);
        addRow(p, "Lbl_Numero", {1200, 3240, 5280, 7320, 9360, 11380}, 1320, 1005, 795);
        for (int outer : {0, 5}) {
            auto& label = p[std::size_t(p.size() - 6 + std::size_t(outer))];
            label.width = 1000;
            label.height = 800;
        }
        addRow(p, "Lbl_Operatore", {480, 2400, 4440, 6480, 8520, 10560}, 1560, 255, 255);
        addRow(p, "Lbl_Suggeri", {840, 2760, 4800, 6840, 8880, 10920}, 1560, 255, 255);
    }
    p.push_back({"Lbl_01", 120, 1560, 255, 255});
    p.push_back({"Lbl_Esercizio", 1800, 2640, 2295, 615});
    p.push_back({"Lbl_Risultati", 5040, 2520, 5445, 1395});
    p.push_back({"Lbl_Difficoltà", 1800, 3360, 2415, 495});
    p.push_back({"Lbl_Complessità", 1800, 3840, 2415, 255});
    p.push_back({"Lbl_Per_Iniziare", m ? 9240 : 9720, 3960, 1335, m ? 495 : 615});
    p.push_back({"Cmd_Soluzione", m ? 1440 : 1800, 4680, 1095, 495});
    p.push_back({"Cmd_Help", m ? 2760 : 3120, 4680, 1095, 495});
    p.push_back({"Cmd_Facile", m ? 8040 : 8520, 4680, 1095, 495});
    p.push_back({"Cmd_Via", m ? 9360 : 9840, 4680, 1095, 495});
    p.push_back({"List1", m ? 1320 : 1800, 5280, 9255, 1035});
    p.push_back({"Cmd_Stampa", m ? 1440 : 1800, 6600, 1095, 495});
    p.push_back({"Cmd_Risultati", m ? 2760 : 3120, 6600, 1095, 495});
    p.push_back({"Cmd_Calcolatore", m ? 8040 : 8520, 6720, 1095, 495});
    p.push_back({"Cmd_Esci", m ? 9360 : 9840, 6720, 1095, 495});
    return p;
}

Places registrationPlaces(LayoutSet set) {
    const bool m = set == LayoutSet::Compact;
    Places p{
        {"Lbl_Intestazione", m ? 1320 : 1920, 120, 8415, 735},
        {"Cmd_Istruzioni", m ? 3840 : 4440, 960, 3615, 615},
        {"Lbl_Nome", m ? 4920 : 5400, 3240, 1695, 255},
        {"Txt_Nome", m ? 3720 : 4320, 3720, 4095, 495},
        {"Lbl_Classe", m ? 5160 : 5520, 4560, 1335, 255},
        {"Txt_Classe", m ? 5160 : 5640, 4800, 1335, 495},
        {"Cmd_Conferma", 8400, 5760, 1335, 735},
    };
    const int tops[] = {1800, 2280, 2760, 3600, 4200, 5040, 5880, 6480, m ? 7200 : 7320};
    const int standardWidths[] = {12615, 12615, 12735, 12615, 12615, 12615, 12615, 12615, 12735};
    const int compactWidths[] = {11295, 11295, 11295, 11415, 11415, 11415, 11535, 11655, 11895};
    for (int i = 0; i < 9; ++i)
        p.push_back({element("Lbl_Istruzioni", i), 120, tops[i],
                     (m ? compactWidths : standardWidths)[i], 495});
    return p;
}

Places instructionsPlaces() {
    return {
        {"Lbl_Intestazione", 480, 120, 8415, 735},   {"Lbl_Istruzioni(0)", 360, 1080, 8415, 495},
        {"Lbl_Istruzioni(1)", 120, 1680, 9135, 495}, {"Lbl_Istruzioni(2)", 360, 2280, 8415, 495},
        {"Lbl_Istruzioni(3)", 240, 3120, 8415, 495}, {"Lbl_Istruzioni(4)", 360, 3720, 8415, 495},
        {"Lbl_Istruzioni(5)", 120, 4560, 9135, 495}, {"Lbl_Istruzioni(6)", 360, 5160, 8415, 495},
        {"Lbl_Istruzioni(7)", 360, 5760, 8415, 495}, {"Lbl_Istruzioni(8)", 960, 6480, 7215, 495},
        {"Cmd_Conferma", 8280, 6600, 855, 375},
    };
}

const QStringList registrationLines{
    "In ogni esercizio manca un numero che dovrai inserire.",
    "La serie di Sei numeri può avere un ritmo Doppio (+A+B+C ; +A+B+C ),",
    "oppure Triplo (+A+B ; +A+B ; +A+B).",
    "Puoi scegliere solo Somme; solo Prodotti; Somme e/o Prodotti.",
    "Il numero più alto che verrà utilizzato lo scegli tu; inizialmente è 3.",
    "Il gioco può essere facilitato evidenziando il ritmo con i colori.",
    "Se \"Facilitato\" puoi chiedere \"Aiuto\" o  \"Soluzione\",",
    "la risposta in questo caso non verrà conteggiata come valida.",
    "L'uso della calcolatrice non condiziona la valutazione.",
};

const QColor lineColours[] = {{0, 0, 255},   {0, 0, 255},   {0, 0, 255},
                              {0, 0, 192},   {255, 0, 255}, {0, 128, 128},
                              {0, 128, 128}, {0, 128, 128}, {128, 0, 128}};

QString captionOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<const QLineEdit*>(w))
        return box->text();
    return {};
}

QColor textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

// The controls a window shows its pupil, by name.
std::map<QString, QWidget*> controlsOf(QWidget* client) {
    std::map<QString, QWidget*> found;
    for (auto* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty())
            found[child->objectName()] = child;
    return found;
}

struct Windows {
    TestPlatform test;
    SharedValues shared;
    LayoutWindows standard{LayoutSet::Standard, test.platform, shared};
    LayoutWindows compact{LayoutSet::Compact, test.platform, shared};
    LayoutWindows& of(LayoutSet set) { return set == LayoutSet::Compact ? compact : standard; }
};

} // namespace

class WindowLayouts : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void windowsAndControls_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("position");
        const auto s = LayoutSet::Standard, m = LayoutSet::Compact;
        // Client sizes as the description gives them in pixels; positions from twips.
        QTest::newRow("Zorvano") << "main" << s << "Zorvano"
                                 << "Zorvano" << QSize(880, 547) << QPoint(1695 / 15, 1230 / 15);
        QTest::newRow("Zorvano_m") << "main" << m << "Zorvano_m"
                                   << "Zorvano" << QSize(742, 497) << QPoint(510 / 15, 1230 / 15);
        QTest::newRow("Frm_Nome") << "registration" << s << "Frm_Nome"
                                  << "Form_Dati" << QSize(792, 566) << QPoint(1845 / 15, 1110 / 15);
        QTest::newRow("Frm_Nome_m") << "registration" << m << "Frm_Nome_m"
                                    << "Form_Dati" << QSize(738, 516) << QPoint(810 / 15, 795 / 15);
        QTest::newRow("Frm_Istruzioni")
            << "instructions" << s << "Frm_Istruzioni"
            << "Form_Istruzioni" << QSize(625, 484) << QPoint(2595 / 15, 945 / 15);
        QTest::newRow("Frm_Istruzioni_m")
            << "instructions" << m << "Frm_Istruzioni_m"
            << "Form_Istruzioni" << QSize(625, 484) << QPoint(1335 / 15, 765 / 15);
    }

    void windowsAndControls() {
        QFETCH(QString, kind);
        QFETCH(LayoutSet, set);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QPoint, position);
        Windows windows;
        QWidget* window = nullptr;
        QWidget* area = nullptr;
        Places places;
        if (kind == "main") {
            auto& main = windows.of(set).main();
            window = &main;
            area = main.centralWidget();
            places = mainPlaces(set);
        } else if (kind == "registration") {
            window = area = &windows.of(set).registration();
            places = registrationPlaces(set);
        } else {
            window = area = &windows.of(set).instructions();
            places = instructionsPlaces();
        }
        QCOMPARE(window->objectName(), name);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(area->size(), client);
        QCOMPARE(designPosition(window).value_or(QPoint(-1, -1)), position);
        // Shown, it stands there when it fits the screen there, inside the screen when it fits
        // at all, and with its top-left corner on the screen anyway.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect screen = window->screen()->availableGeometry();
        const QRect framed = window->frameGeometry();
        if (screen.contains(QRect(position, window->size())))
            QCOMPARE(window->geometry().topLeft(), position);
        else if (framed.width() <= screen.width() && framed.height() <= screen.height())
            QVERIFY(screen.contains(framed));
        else
            QVERIFY(screen.contains(framed.topLeft()));

        auto controls = controlsOf(area);
        for (const auto& place : places) {
            QVERIFY2(controls.count(place.name), qPrintable(place.name));
            QCOMPARE(controls[place.name]->geometry(), pixels(place));
            controls.erase(place.name);
        }
        QStringList extra;
        for (const auto& [left, widget] : controls)
            extra << left;
        QVERIFY2(extra.isEmpty(), qPrintable(extra.join(u' ')));
    }

    void backgroundWindow() {
        Windows windows;
        testing::FakeScreen screen({1024, 768});
        Sfondo sfondo(screen, windows.test.messages, windows.standard, windows.compact);
        QCOMPARE(sfondo.objectName(), "Sfondo");
        QCOMPARE(sfondo.windowTitle(), "Puzzle");
        QCOMPARE(sfondo.size(), QSize(4680 / 15, 3090 / 15));
        QCOMPARE(designPosition(&sfondo).value_or(QPoint(-1, -1)), QPoint(750 / 15, 765 / 15));
        QCOMPARE(sfondo.palette().color(QPalette::Window), QColor(255, 255, 192));
        QVERIFY(sfondo.findChildren<QWidget*>().isEmpty());
    }

    void mainWindowLooks_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<double>("numberPoints");
        QTest::newRow("standard") << LayoutSet::Standard << 24.0;
        QTest::newRow("compact") << LayoutSet::Compact << 14.0;
    }

    // Only the geometry and the number font differ between the sets.
    void mainWindowLooks() {
        QFETCH(LayoutSet, set);
        QFETCH(double, numberPoints);
        Windows windows;
        QWidget* client = windows.of(set).main().centralWidget();
        QCOMPARE(client->palette().color(QPalette::Window), QColor(255, 255, 192));
        auto* title = control<QLabel>(client, "Lbl_Titolo");
        QCOMPARE(title->text(), "Ortambra");
        QCOMPARE(title->font().pointSizeF(), 24.0);
        QCOMPARE(textColour(title), QColor(0, 0, 255));
        for (int i = 0; i < 6; ++i) {
            auto* number = control<QLabel>(client, element("Lbl_Numero", i));
            QCOMPARE(number->text(), "?");
            QCOMPARE(number->font().pointSizeF(), numberPoints);
            QCOMPARE(textColour(number), QColor(255, 0, 0));
            QCOMPARE(number->palette().color(QPalette::Window), QColor(0, 255, 255));
            QCOMPARE(number->frameShape(), QFrame::Box);
            auto* box = control<QLineEdit>(client, element("Txt_Numero", i));
            QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 255));
            QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 255, 255));
            QVERIFY(control<QLabel>(client, element("Lbl_Operatore", i))->isHidden());
            QVERIFY(control<QLabel>(client, element("Lbl_Suggeri", i))->isHidden());
        }
        auto* start = control<QLabel>(client, "Lbl_Per_Iniziare");
        QCOMPARE(start->text(), "Clicca Via per iniziare");
        QCOMPARE(start->font().pointSizeF(), 9.75);
        QVERIFY(start->font().bold());
        const std::pair<const char*, const char*> buttons[] = {{"Cmd_Soluzione", "&Soluzione"},
                                                               {"Cmd_Help", "&Parziale"},
                                                               {"Cmd_Via", "&Via"},
                                                               {"Cmd_Stampa", "S&tampa"},
                                                               {"Cmd_Risultati", "&Risultati"},
                                                               {"Cmd_Calcolatore", "&Calcolatore"},
                                                               {"Cmd_Esci", "&Esci"}};
        for (const auto& [name, text] : buttons) {
            auto* button = control<QPushButton>(client, name);
            QCOMPARE(button->text(), QString::fromUtf8(text));
            QCOMPARE(button->font().pointSizeF(), 8.0);
        }
    }

    // A caption wider than its button goes on two lines instead of losing its ends.
    void longButtonCaptionsWrap() {
        Windows windows;
        Zorvano& main = windows.compact.main();
        main.Cmd_Facile_Click();
        auto* button = control<QPushButton>(main.centralWidget(), "Cmd_Facile");
        QCOMPARE(button->text(), "Clicca per Non Facile");
        const QImage picture = button->grab().toImage();
        int first = -1, last = -1, left = picture.width(), right = -1;
        for (int y = 3; y < picture.height() - 3; ++y)
            for (int x = 3; x < picture.width() - 3; ++x)
                if (qGray(picture.pixel(x, y)) < 100) {
                    first = first < 0 ? y : first;
                    last = y;
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(first >= 0);
        QVERIFY(last - first > button->fontMetrics().height()); // two lines of ink
        QVERIFY(left > 3 && right < picture.width() - 4);       // nothing cut at the sides
    }

    void registrationLooks_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::newRow("standard") << LayoutSet::Standard;
        QTest::newRow("compact") << LayoutSet::Compact;
    }

    void registrationLooks() {
        QFETCH(LayoutSet, set);
        Windows windows;
        Frm_Nome& window = windows.of(set).registration();
        auto* heading = control<QLabel>(&window, "Lbl_Intestazione");
        QCOMPARE(heading->text(), "Benvenuto nel gioco dei numeri");
        QCOMPARE(heading->font().pointSizeF(), 27.75);
        QCOMPARE(heading->font().styleHint(), QFont::Serif);
        QCOMPARE(textColour(heading), QColor(255, 0, 0));
        QVERIFY(!heading->autoFillBackground());
        QCOMPARE(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(control<QLabel>(&window, "Lbl_Nome")->text(), "Scrivi il tuo nome:");
        QCOMPARE(control<QLabel>(&window, "Lbl_Nome")->font().pointSizeF(), 8.0);
        QCOMPARE(control<QLabel>(&window, "Lbl_Classe")->text(), "e  la tua classe");
        for (const char* name : {"Txt_Nome", "Txt_Classe"}) {
            auto* box = control<QLineEdit>(&window, name);
            QVERIFY(box->text().isEmpty());
            QCOMPARE(box->font().pointSizeF(), 18.0);
            QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 255));
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
        auto* confirm = control<QPushButton>(&window, "Cmd_Conferma");
        QCOMPARE(confirm->text(), "&Conferma");
        QCOMPARE(confirm->font().pointSizeF(), 12.0);
        QVERIFY(confirm->font().bold());
        auto* rules = control<QPushButton>(&window, "Cmd_Istruzioni");
        QCOMPARE(rules->text(), "&Come si gioca");
        QCOMPARE(rules->font().pointSizeF(), 18.0);
        for (int i = 0; i < 9; ++i) {
            auto* line = control<QLabel>(&window, element("Lbl_Istruzioni", i));
            QCOMPARE(line->text(), registrationLines[i]);
            QCOMPARE(textColour(line), lineColours[i]);
            QCOMPARE(line->font().pointSizeF(), 13.5);
            QVERIFY(line->isHidden());
        }
    }

    void instructionsLooks() {
        Windows windows;
        Frm_Istruzioni& window = windows.standard.instructions();
        auto* heading = control<QLabel>(&window, "Lbl_Intestazione");
        QCOMPARE(heading->text(), "Istruzioni");
        QCOMPARE(heading->font().pointSizeF(), 27.75);
        QCOMPARE(heading->font().styleHint(), QFont::Serif);
        QCOMPARE(textColour(heading), QColor(255, 0, 0));
        QStringList lines = registrationLines;
        lines[5] = "Il gioco può essere Facilitato evidenziando il ritmo con i colori.";
        for (int i = 0; i < 9; ++i) {
            auto* line = control<QLabel>(&window, element("Lbl_Istruzioni", i));
            QCOMPARE(line->text(), lines[i]);
            QCOMPARE(textColour(line), lineColours[i]);
            QCOMPARE(line->font().pointSizeF(), 13.5);
            QCOMPARE(line->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QVERIFY(!line->isHidden());
        }
        auto* close = control<QPushButton>(&window, "Cmd_Conferma");
        QCOMPARE(close->text(), "&Chiudi");
        QCOMPARE(close->font().pointSizeF(), 8.0);
    }

    // A screen reader names buttons and labels by their caption, boxes and lists by what
    // goes in them; a control whose caption starts empty says at least what it is for.
    void accessibleNames() {
        Windows windows;
        QWidget* clients[] = {windows.standard.main().centralWidget(),
                              &windows.compact.registration(), &windows.standard.instructions(),
                              &windows.compact.calculator()};
        for (QWidget* client : clients) {
            for (const auto& [name, widget] : controlsOf(client)) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                QVERIFY(accessible);
                const QString spoken = accessible->text(QAccessible::Name);
                if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget)) {
                    QCOMPARE(spoken.simplified(), captionOf(widget).remove(u'&').simplified());
                    QVERIFY2(!spoken.isEmpty() ||
                                 !accessible->text(QAccessible::Description).isEmpty(),
                             qPrintable(name));
                } else {
                    QVERIFY2(!spoken.isEmpty(), qPrintable(name));
                }
            }
        }
        auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        Frm_Nome& registration = windows.compact.registration();
        QCOMPARE(name(control<QLineEdit>(&registration, "Txt_Nome")), "Scrivi il tuo nome");
        QCOMPARE(name(control<QLineEdit>(&registration, "Txt_Classe")), "Scrivi la tua classe");
        QCOMPARE(name(control<QPushButton>(&registration, "Cmd_Conferma")), "Conferma");
        auto* rules = control<QPushButton>(&registration, "Cmd_Istruzioni");
        QCOMPARE(name(rules), "Come si gioca");
        registration.Cmd_Istruzioni_Click();
        QCOMPARE(name(rules), "Chiudi"); // follows the caption
        QWidget* client = windows.standard.main().centralWidget();
        QCOMPARE(name(control<QLineEdit>(client, "Txt_Numero(2)")), "Scrivi il numero mancante");
        QCOMPARE(name(control<QPushButton>(client, "Cmd_Stampa")), "Stampa");
        QCOMPARE(name(control<QLabel>(client, "Lbl_Difficoltà")).simplified(),
                 "Difficoltà Bassa (solo somme)");
        // The operation box is met as a box, as its text field and as its drop-down list (on
        // Linux Qt names the box itself by the operation it shows).
        auto* operation = control<QComboBox>(&windows.compact.calculator(), "Combo1");
        QCOMPARE(operation->accessibleName(), "Operazione");
        QCOMPARE(name(operation->lineEdit()), "Operazione");
        QCOMPARE(name(operation->view()), "Operazione");
        QCOMPARE(name(control<QLineEdit>(&windows.compact.calculator(), "Text3")),
                 "Secondo numero");
    }

    // A window whose record names a control its table lacks, or names it with another kind, or
    // whose table names two controls alike, must not run: the program stops, naming it, in a
    // release build too. The test runs itself again for that (ORTAMBRA_FILL_CASE picks the case),
    // since the child has to stop.
    void recordStopsOnAMissingControl_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing name") << "no QLabel named Lbl_Nope";
        QTest::newRow("other kind") << "no QPushButton named Lbl_Titolo";
        QTest::newRow("named twice") << "names two controls Lbl_Titolo";
    }
    void recordStopsOnAMissingControl() {
        QFETCH(QString, fault);
        if (const QString child = qEnvironmentVariable("ORTAMBRA_FILL_CASE"); !child.isEmpty()) {
            if (child != QString::fromUtf8(QTest::currentDataTag()))
                QSKIP("another case");
            QWidget window;
            std::vector<ControlSpec> table = mainWindowControls();
            if (child == "named twice")
                table.push_back(table.front());
            const BuiltControls built = buildControls(&window, table, LayoutSet::Standard);
            QLabel* label = nullptr;
            built.fill(label, "Lbl_Titolo");
            QVERIFY(label);
            if (child == "missing name")
                built.fill(label, "Lbl_Nope");
            QPushButton* button = nullptr;
            built.fill(button, "Lbl_Titolo");
            return; // not reached
        }
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ORTAMBRA_FILL_CASE", QString::fromUtf8(QTest::currentDataTag()));
        env.insert("QTEST_DISABLE_CORE_DUMP", "1"); // the stop is expected: no core, no debugger
        env.insert("QTEST_DISABLE_STACK_DUMP", "1");
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {"recordStopsOnAMissingControl"});
        QVERIFY(run.waitForFinished(60000));
        const QString output = QString::fromUtf8(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::CrashExit, qPrintable(output));
        QVERIFY2(output.contains(fault), qPrintable(output));
    }
};

QTEST_MAIN(WindowLayouts)
#include "test_window_layouts.moc"
