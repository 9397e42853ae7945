#include "engine/calculation.h"

#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

using namespace ortambra;

// The window tests drive the everyday cases; these pin the edges no pupil types easily.
class CalculationTest : public QObject {
    Q_OBJECT

  private slots:
    void calculate_data() {
        QTest::addColumn<CalculatorOperation>("operation");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<bool>("possible");
        QTest::addColumn<double>("result");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("tiny quotient kept")
            << CalculatorOperation::Diviso << 1e-300 << 1e10 << true << 1e-310;
        QTest::newRow("underflow is zero")
            << CalculatorOperation::Per << 1e-300 << 1e-300 << true << 0.0;
        QTest::newRow("near the top")
            << CalculatorOperation::Per << 1e308 << 1.7 << true << 1.7e308;
        QTest::newRow("divided by minus zero")
            << CalculatorOperation::Diviso << 5.0 << -0.0 << false << 0.0;
        QTest::newRow("quotient overflow")
            << CalculatorOperation::Diviso << 1e300 << 1e-300 << false << 0.0;
        // Finite, but at the display's 15 digits it would read 1.79769313486232E+308.
        QTest::newRow("largest double")
            << CalculatorOperation::Per << DBL_MAX << 1.0 << false << 0.0;
        QTest::newRow("largest negative")
            << CalculatorOperation::Meno << -DBL_MAX << 0.0 << false << 0.0;
        QTest::newRow("infinite operand") << CalculatorOperation::Piu << inf << 1.0 << false << 0.0;
        QTest::newRow("nan operand")
            << CalculatorOperation::Per << std::nan("") << 1.0 << false << 0.0;
    }
    void calculate() {
        QFETCH(CalculatorOperation, operation);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(bool, possible);
        QFETCH(double, result);
        const auto r = ortambra::calculate(operation, a, b);
        QCOMPARE(r.has_value(), possible);
        if (possible)
            QCOMPARE(*r, result);
    }

    void listIndices() {
        QCOMPARE(calculatorOperation(0), CalculatorOperation::Per);
        QCOMPARE(calculatorOperation(3), CalculatorOperation::Diviso);
        QVERIFY(!calculatorOperation(-1)); // the list's text is no entry
        QVERIFY(!calculatorOperation(4));
    }

    void noMinusZero() {
        const auto r = ortambra::calculate(CalculatorOperation::Per, -1.0, 0.0);
        QVERIFY(r && !std::signbit(*r));
        QCOMPARE(calculatorText(-0.0, QLocale::c()), "0");
    }

    // The answer box gets the number the pupil saw, whatever the locale's signs.
    void readBack_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("it") << QLocale(QLocale::Italian, QLocale::Italy);
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("de") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("fr") << QLocale(QLocale::French, QLocale::France);
    }
    void readBack() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        for (double value : {3.5, -2.25, 1234567.0, 123456789012345.0, 2.0 / 3, 1e20, -1e-7,
                             1.79769313486231e308, 4.9e-324}) {
            const QString shown = calculatorText(value, locale);
            QVERIFY2(!shown.contains(locale.groupSeparator()), qPrintable(shown));
            const double atShownDigits = QString::number(value, 'g', 15).toDouble();
            QCOMPARE(locale.toDouble(shown), atShownDigits);
        }
    }
};

QTEST_GUILESS_MAIN(CalculationTest)
#include "test_calculation.moc"
