#include "engine/number_text.h"
#include "program/layout_windows.h"
#include "support/controls.h"
#include "support/fakes.h"
#include "toolkit/caption.h"
#include "toolkit/number_fit.h"
#include "windows/calcolatore.h"
#include "windows/zorvano.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ortambra;
using ortambra::testing::control;
using ortambra::testing::TestPlatform;

namespace {

// The calculator's chosen operation, none while its text is no list entry.
using Chosen = std::optional<CalculatorOperation>;
const Chosen noOperation;
const QLocale italian(QLocale::Italian, QLocale::Italy);
const QString hint = QStringLiteral("Clicca sulla casella vuota per trasferire il risultato");
const QString impossible = QStringLiteral("Operazione impossibile");

// Types as a keyboard does, accented letters included ("Più").
void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(ch.toUpper().unicode()),
                                QString(ch), Qt::NoModifier);
    }
}

// A run of the game in one layout set with the main window up, as the pupil sees it.
struct Run {
    explicit Run(const QLocale& locale, LayoutSet set = LayoutSet::Standard)
        : platform(1, locale), windows(set, platform.platform, shared) {
        QLocale::setDefault(locale);
        windows.showMain();
    }

    template <typename T = QWidget> T* mainControl(const QString& name) {
        return control<T>(&windows.main(), name);
    }

    // Opens the calculator with the main window's button and finds it among the windows.
    Calcolatore* openCalculator() {
        QTest::mouseClick(mainControl<QPushButton>("Cmd_Calcolatore"), Qt::LeftButton);
        const QString name =
            windows.layoutSet() == LayoutSet::Compact ? "Calcolatore_m" : "Calcolatore";
        Calcolatore* found = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name) {
                if (found)
                    return nullptr; // a second instance would lose the pupil's operation
                found = qobject_cast<Calcolatore*>(window);
            }
        }
        return found && found->isVisible() ? found : nullptr;
    }

    QLineEdit* visibleAnswerBox() {
        for (int i = 0; i < 6; ++i) {
            auto* box = mainControl<QLineEdit>(arrayName("Txt_Numero", i));
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    TestPlatform platform;
    SharedValues shared;
    LayoutWindows windows;
};

// The calculator's controls, driven as the pupil does.
struct Keys {
    explicit Keys(Calcolatore* window) : w(window) {}

    QLineEdit* text2() const { return control<QLineEdit>(w, "Text2"); }
    QLineEdit* text3() const { return control<QLineEdit>(w, "Text3"); }
    QComboBox* combo() const { return control<QComboBox>(w, "Combo1"); }
    QString result() const { return control<QLabel>(w, "Label8")->text(); }
    QString hintLine() const { return control<QLabel>(w, "Lbl_Calcolatrice")->text(); }
    void click(const char* button) const {
        QTest::mouseClick(control<QPushButton>(w, button), Qt::LeftButton);
    }

    void typeOperation(const QString& word) const {
        combo()->lineEdit()->selectAll();
        if (word.isEmpty())
            QTest::keyClick(combo()->lineEdit(), Qt::Key_Delete);
        else
            typeText(combo()->lineEdit(), word);
    }
    void compute(const QString& a, const QString& b) const {
        text2()->clear();
        typeText(text2(), a);
        text3()->clear();
        typeText(text3(), b);
        click("Cmd_Uguale");
    }

    Calcolatore* w;
};

void addLocales() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("it") << italian;
    QTest::newRow("C") << QLocale::c();
}

} // namespace

class CalcolatoreTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheMainWindowOfItsSet_data() {
        QTest::addColumn<LayoutSet>("set");
        QTest::addColumn<QString>("name");
        QTest::newRow("standard") << LayoutSet::Standard << "Calcolatore";
        QTest::newRow("compact") << LayoutSet::Compact << "Calcolatore_m";
    }
    void opensFromTheMainWindowOfItsSet() {
        QFETCH(LayoutSet, set);
        QFETCH(QString, name);
        Run run(italian, set);
        Calcolatore* w = run.openCalculator();
        QVERIFY(w);
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), "Calcolatrice");
        QCOMPARE(w->size(), QSize(361, 133));
        QCOMPARE(Keys(w).combo()->currentText(), "Per");
        QCOMPARE(w->operazione(), Chosen{CalculatorOperation::Per});
        // Pressing the button again brings the same window forward.
        QCOMPARE(run.openCalculator(), w);
    }

    void tabOrder() {
        Run run(QLocale::c());
        Keys keys(run.openCalculator());
        QStringList order;
        keys.text2()->setFocus();
        for (int i = 0; i < 6; ++i) {
            QWidget* focused = keys.w->focusWidget();
            if (focused->parentWidget() == keys.combo())
                focused = keys.combo(); // the combo's text field stands for the combo
            order << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"Text2", "Cmd_Uguale", "Text3", "Cmd_Esci", "Combo1",
                                     "Cmd_Ricalcola"}));
    }

    void emptyBoxesGiveZero_data() { addLocales(); }
    void emptyBoxesGiveZero() {
        QFETCH(QLocale, locale);
        Run run(locale);
        run.shared.Risultato = 5; // proves "=" stores its 0
        Keys keys(run.openCalculator());
        keys.click("Cmd_Uguale");
        QCOMPARE(keys.result(), "0");
        QCOMPARE(run.shared.Risultato, 0.0);
        QCOMPARE(keys.hintLine(), hint);
    }

    void operations_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");
        const QLocale c = QLocale::c();
        // clang-format off
        QTest::newRow("it diviso") << italian << "Diviso" << "7" << "2" << "3,5" << 3.5;
        QTest::newRow("C diviso") << c << "Diviso" << "7" << "2" << "3.5" << 3.5;
        QTest::newRow("it più") << italian << "Più" << "7" << "2" << "9" << 9.0;
        QTest::newRow("it meno") << italian << "Meno" << "2" << "7" << "-5" << -5.0;
        QTest::newRow("lower case word") << italian << "diviso" << "1" << "4" << "0,25" << 0.25;
        QTest::newRow("operands read with a point") << italian << "Più" << "1.5" << "3,5"
                                                    << "4,5" << 4.5;
        QTest::newRow("leading blanks skipped") << c << "Per" << "  3" << " 4" << "12" << 12.0;
        QTest::newRow("inner blank stops") << c << "Per" << "7 7" << "1" << "7" << 7.0;
        QTest::newRow("it third") << italian << "Diviso" << "1" << "3" << "0,333333333333333"
                                  << 0.333333333333333;
        QTest::newRow("it 20 digits") << italian << "Per" << "99999999999999999999" << "1"
                                      << "1E+20" << 1e20;
        QTest::newRow("C exponent operand") << c << "Per" << "1e308" << "1.5" << "1.5e+308"
                                            << 1.5e308;
        // clang-format on
    }
    void operations() {
        QFETCH(QLocale, locale);
        QFETCH(QString, operation);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        Run run(locale);
        Keys keys(run.openCalculator());
        keys.typeOperation(operation);
        keys.compute(a, b);
        QCOMPARE(keys.result(), shown);
        QCOMPARE(run.shared.Risultato, stored);
        QCOMPARE(keys.hintLine(), hint);
    }

    void choosingFromTheList() {
        Run run(italian);
        Keys keys(run.openCalculator());
        keys.combo()->setFocus();
        QTest::keyClick(keys.combo(), Qt::Key_Down);
        QTest::keyClick(keys.combo(), Qt::Key_Down);
        QTest::keyClick(keys.combo(), Qt::Key_Down);
        QCOMPARE(keys.combo()->currentText(), "Diviso");
        QCOMPARE(keys.w->operazione(), Chosen{CalculatorOperation::Diviso});
        QTest::keyClick(keys.combo(), Qt::Key_Up);
        QCOMPARE(keys.w->operazione(), Chosen{CalculatorOperation::Meno});
        keys.compute("7", "2");
        QCOMPARE(keys.result(), "5");
    }

    void wordNotInTheList_data() { addLocales(); }
    void wordNotInTheList() {
        QFETCH(QLocale, locale);
        Run run(locale);
        Keys keys(run.openCalculator());
        keys.compute("7", "2");
        QCOMPARE(keys.result(), "14");
        for (const QString word : {"Boh", "Pi", "Piu", "Per "}) {
            keys.typeOperation(word);
            QTest::keyClick(keys.combo()->lineEdit(), Qt::Key_Return);
            QCOMPARE(keys.w->operazione(), noOperation);
            QCOMPARE(keys.combo()->count(), 4); // a typed word never joins the list
            run.shared.Risultato = 99;
            keys.click("Cmd_Ricalcola");
            keys.compute("1", "1");
            QCOMPARE(keys.result(), "");         // nothing computed into the cleared label
            QCOMPARE(run.shared.Risultato, 0.0); // still re-read from it
            QCOMPARE(keys.hintLine(), hint);
        }
        // With a result on show, a word leaves it and what the answer box gets.
        keys.typeOperation("Per");
        keys.compute("7", "2");
        keys.typeOperation("");
        QCOMPARE(keys.w->operazione(), noOperation);
        keys.compute("100", "100");
        QCOMPARE(keys.result(), "14");
        QCOMPARE(run.shared.Risultato, 14.0);
        QCOMPARE(keys.hintLine(), hint);
    }

    void enterMovesOnAndComputes_data() { addLocales(); }
    void enterMovesOnAndComputes() {
        QFETCH(QLocale, locale);
        Run run(locale);
        Keys keys(run.openCalculator());
        keys.typeOperation("Diviso");
        keys.text2()->setFocus();
        QTest::keyClicks(keys.text2(), "7");
        QTest::keyClick(keys.text2(), Qt::Key_Return);
        QCOMPARE(keys.w->focusWidget(), keys.text3());
        QVERIFY(keys.result().isEmpty()); // Enter in the first box computes nothing
        QTest::keyClicks(keys.text3(), "2");
        QTest::keyClick(keys.text3(), Qt::Key_Return);
        const QString byEnter = keys.result();
        const double storedByEnter = run.shared.Risultato;
        QCOMPARE(keys.hintLine(), hint);
        QCOMPARE(keys.text3()->text(), "2"); // no key is swallowed or filtered

        keys.click("Cmd_Ricalcola");
        keys.compute("7", "2");
        QCOMPARE(keys.result(), byEnter);
        QCOMPARE(run.shared.Risultato, storedByEnter);
        QCOMPARE(storedByEnter, 3.5);
    }

    void impossibleOperations_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        for (const auto& entry : {std::pair{"it", italian}, {"C", QLocale::c()}}) {
            const auto row = [&, tag = entry.first,
                              locale = entry.second](const char* what) -> QTestData& {
                return QTest::addRow("%s %s", tag, what) << locale;
            };
            // clang-format off
            row("divided by zero") << "Diviso" << "7" << "0";
            row("zero divided by zero") << "Diviso" << "0" << "";
            row("negative divided by zero") << "Diviso" << "-7" << "abc";
            row("product overflow") << "Per" << "1e300" << "1e300";
            row("sum overflow") << "Più" << "1e308" << "1e308";
            row("difference overflow") << "Meno" << "-1e308" << "1e308";
            row("quotient overflow") << "Diviso" << "1e300" << "1e-300";
            row("operand past the range") << "Per" << "1e999" << "1";
            // clang-format on
        }
    }
    void impossibleOperations() {
        QFETCH(QLocale, locale);
        QFETCH(QString, operation);
        QFETCH(QString, a);
        QFETCH(QString, b);
        Run run(locale);
        Keys keys(run.openCalculator());
        keys.typeOperation("Diviso");
        keys.compute("7", "2");
        const QString before = keys.result();

        keys.typeOperation(operation);
        keys.compute(a, b);
        QCOMPARE(keys.result(), before);
        QCOMPARE(run.shared.Risultato, 3.5);
        QCOMPARE(keys.hintLine(), impossible);

        // The same calculation by Enter says the same, and the window goes on working.
        QTest::keyClick(keys.text3(), Qt::Key_Return);
        QCOMPARE(keys.hintLine(), impossible);
        keys.typeOperation("Per");
        keys.compute("6", "7");
        QCOMPARE(keys.result(), "42");
        QCOMPARE(run.shared.Risultato, 42.0);
        QCOMPARE(keys.hintLine(), hint);
    }

    void ricalcolaKeepsTheOperationAndTheResult() {
        Run run(italian);
        Keys keys(run.openCalculator());
        keys.typeOperation("Diviso");
        keys.compute("7", "2");
        keys.click("Cmd_Ricalcola");
        QVERIFY(keys.text2()->text().isEmpty());
        QVERIFY(keys.text3()->text().isEmpty());
        QVERIFY(keys.result().isEmpty());
        QVERIFY(keys.hintLine().isEmpty());
        QCOMPARE(keys.w->focusWidget(), keys.text2());
        QCOMPARE(keys.w->operazione(), Chosen{CalculatorOperation::Diviso});
        QCOMPARE(keys.combo()->currentText(), "Diviso");
        QCOMPARE(run.shared.Risultato, 3.5);
        QVERIFY(keys.w->isVisible());
    }

    void esciAndCloseHideTheSameWindow() {
        Run run(italian);
        QPointer<Calcolatore> w = run.openCalculator();
        Keys keys(w);
        keys.typeOperation("Meno");
        keys.compute("7", "2");
        keys.click("Cmd_Esci");
        QVERIFY(!w->isVisible());
        QCOMPARE(run.openCalculator(), w.data());
        QCOMPARE(keys.combo()->currentText(), "Meno");
        QCOMPARE(w->operazione(), Chosen{CalculatorOperation::Meno});
        QVERIFY(keys.text2()->text().isEmpty());
        QVERIFY(keys.result().isEmpty());
        QCOMPARE(run.shared.Risultato, 5.0);

        keys.typeOperation("Più");
        keys.compute("7", "2");
        QVERIFY(w->close()); // the title bar's close button
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QCOMPARE(run.openCalculator(), w.data());
        QCOMPARE(keys.combo()->currentText(), "Più");
        QVERIFY(keys.text2()->text().isEmpty());
        QVERIFY(keys.result().isEmpty());
        QCOMPARE(run.shared.Risultato, 9.0);
        QCOMPARE(run.platform.quits, 0);
    }

    // Every result is shown whole and readable: smaller first, never below 8 points, then on a
    // second line. A short one keeps the layout's 18 points.
    void longResultsWhole_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("lines");
        // clang-format off
        QTest::newRow("short") << "12" << "Per" << "3" << "36" << 1;
        QTest::newRow("a million") << "1000" << "Per" << "1000" << "1000000" << 1;
        QTest::newRow("a third") << "1" << "Diviso" << "3" << "0,333333333333333" << 2;
        QTest::newRow("negative third") << "-1" << "Diviso" << "3" << "-0,333333333333333" << 2;
        QTest::newRow("huge") << "123456789012345" << "Per" << "1e290"
                              << "1,23456789012345E+304" << 2;
        // clang-format on
    }
    void longResultsWhole() {
        QFETCH(QString, a);
        QFETCH(QString, operation);
        QFETCH(QString, b);
        QFETCH(QString, shown);
        QFETCH(int, lines);
        Run run(italian);
        Calcolatore* w = run.openCalculator();
        Keys keys(w);
        keys.typeOperation(operation);
        keys.compute(a, b);
        QCOMPARE(keys.result(), shown);
        auto* label = control<QLabel>(w, "Label8");
        QCOMPARE(label->font().pointSizeF(), 18.0);
        const FittedText drawn =
            fittedText(label, {.minimumPoints = Calcolatore::ResultMinimumPoints, .maxLines = 2});
        QCOMPARE(drawn.lines.join(QString()), shown);
        QCOMPARE(drawn.lines.size(), lines);
        QVERIFY(drawn.font.pointSizeF() >= 8.0);
        if (lines == 1 && shown.size() <= 3)
            QCOMPARE(drawn.font.pointSizeF(), 18.0);
        const QFontMetricsF metrics(drawn.font);
        for (const QString& line : drawn.lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(line));
        QVERIFY(metrics.height() * lines <= label->contentsRect().height());
        // The next short result is drawn in the full size again.
        keys.typeOperation("Per");
        keys.compute("2", "3");
        QCOMPARE(fittedText(label, {.minimumPoints = 8.0, .maxLines = 2}).font.pointSizeF(), 18.0);
    }

    void resultGoesIntoTheAnswerBox_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<LayoutSet>("set");
        QTest::newRow("it standard") << italian << LayoutSet::Standard;
        QTest::newRow("C standard") << QLocale::c() << LayoutSet::Standard;
        QTest::newRow("it compact") << italian << LayoutSet::Compact;
    }
    void resultGoesIntoTheAnswerBox() {
        QFETCH(QLocale, locale);
        QFETCH(LayoutSet, set);
        Run run(locale, set);
        QTest::mouseClick(run.mainControl<QPushButton>("Cmd_Via"), Qt::LeftButton);
        Keys keys(run.openCalculator());
        QLineEdit* box = run.visibleAnswerBox();
        QVERIFY(box);

        keys.typeOperation("Diviso");
        keys.compute("7", "2");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), "3.5"); // the shown 3,5 arrives whole
        const GameState untouched = run.windows.main().state();

        // Reach the hidden number through the calculator and answer with it.
        const QString hiddenName = box->objectName().replace("Txt_", "Lbl_");
        const double hidden = readNumber(run.mainControl<QLabel>(hiddenName)->text());
        QVERIFY(hidden >= 1);
        keys.typeOperation("Più");
        keys.compute(generalText(hidden - 1), "1");
        QCOMPARE(run.windows.main().state().Num_Esercizio, untouched.Num_Esercizio);
        QCOMPARE(run.windows.main().state().Errori, untouched.Errori);
        QCOMPARE(run.windows.main().state().Indovinati, 0);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), generalText(hidden));
        QTest::keyClick(box, Qt::Key_Return);

        const GameState& state = run.windows.main().state();
        QCOMPARE(state.Indovinati, 1);
        QCOMPARE(state.Errori, 0);
        QCOMPARE(state.Risposte[1], hidden);
        QCOMPARE(caption(run.mainControl<QLabel>("Lbl_Risultati")), "Indovinato!");
        QVERIFY(run.mainControl<QPushButton>("Cmd_Via")->isEnabled());
    }
};

QTEST_MAIN(CalcolatoreTest)
#include "test_calcolatore.moc"
