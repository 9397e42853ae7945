#include "engine/int16.h"
#include "engine/number_text.h"

#include <QTest>
#include <cfloat>
#include <cmath>

using namespace ortambra;

class NumberTextTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void reading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("sign and point") << "-." << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("zero fraction") << "0.0" << 0.0;
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("leading blank") << " 7" << 7.0;
        QTest::newRow("trailing fraction zero") << "7.0" << 7.0;
        QTest::newRow("blank inside") << "7 7" << 77.0;
        QTest::newRow("blank after sign") << "- 3" << -3.0;
        QTest::newRow("plus sign") << "+5" << 5.0;
        QTest::newRow("fraction") << "4.5" << 4.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("comma stops") << "3,5" << 3.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("capital exponent with sign") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("exponent sign without digits") << "3e+" << 3.0;
        QTest::newRow("exponent on nothing") << "e5" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("inf is no number") << "inf" << 0.0;
        QTest::newRow("infinity is no number") << "-Infinity" << 0.0;
        QTest::newRow("nan is no number") << "nan" << 0.0;
        QTest::newRow("hex reads its leading zero") << "0x1A" << 0.0;
        QTest::newRow("arabic-indic digits are no digits") << QString::fromUtf8("٣") << 0.0;
        QTest::newRow("fullwidth digits are no digits") << QString::fromUtf8("７") << 0.0;
        QTest::newRow("minus zero") << "-0" << 0.0;
        QTest::newRow("beyond range") << "1e999" << DBL_MAX;
        QTest::newRow("beyond range negative") << "-1e999" << -DBL_MAX;
        QTest::newRow("below range") << "1e-999" << 0.0;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999" << DBL_MAX;
        QTest::newRow("tiny mantissa huge exponent")
            << "0.000000000000000000000000001e330" << 1e303;
        QTest::newRow("400 digits") << QString(400, u'9') << DBL_MAX;
        QTest::newRow("400 zeros then 5") << QString(400, u'0') + u'5' << 5.0;
        QTest::newRow("point and 400 zeros then 5") << u'.' + QString(400, u'0') + u'5' << 0.0;
        QTest::newRow("17 significant digits") << "12345678901234567" << 12345678901234567.0;
    }
    void reading() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const double read = readNumber(text);
        QVERIFY(std::isfinite(read));
        QCOMPARE(read, value);
    }

    void readingIgnoresTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(readNumber(u"3.25"), 3.25);
        QCOMPARE(readNumber(u"3,25"), 3.0);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void leadingBlanksOnly() {
        QCOMPARE(readNumber(u"  12", Blanks::Leading), 12.0);
        QCOMPARE(readNumber(u"1 2", Blanks::Leading), 1.0);
        QCOMPARE(readNumber(u"- 2", Blanks::Leading), 0.0);
        QCOMPARE(readNumber(u"1 2", Blanks::Anywhere), 12.0);
        QCOMPARE(readNumber(u"4 e 2", Blanks::Anywhere), 400.0);
    }

    void texts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("general");
        QTest::addColumn<QString>("str");
        // clang-format off
        QTest::newRow("zero") << 0.0 << "0" << " 0";
        QTest::newRow("minus zero") << -0.0 << "0" << " 0";
        QTest::newRow("whole") << 7.0 << "7" << " 7";
        QTest::newRow("negative") << -3.0 << "-3" << "-3";
        QTest::newRow("fraction") << 3.5 << "3.5" << " 3.5";
        QTest::newRow("million") << 1000000.0 << "1000000" << " 1000000";
        QTest::newRow("fifteen digits") << 999999999999999.0 << "999999999999999"
                                        << " 999999999999999";
        QTest::newRow("beyond fifteen digits") << 1e15 << "1E+15" << " 1E+15";
        QTest::newRow("rounded to fifteen") << 0.1 + 0.2 << "0.3" << " 0.3";
        QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333" << " 0.333333333333333";
        QTest::newRow("small") << 1e-20 << "1E-20" << " 1E-20";
        QTest::newRow("largest") << DBL_MAX << "1.79769313486232E+308" << " 1.79769313486232E+308";
        // clang-format on
    }
    void texts() {
        QFETCH(double, value);
        QFETCH(QString, general);
        QFETCH(QString, str);
        QCOMPARE(generalText(value), general);
        QCOMPARE(strText(value), str);
    }

    void textsReadBack() {
        // What the game writes it can read again, so captions and archive agree.
        for (double v : {7.0, -3.0, 3.5, 1000000.0, 1e15, 2.5e-7, 123456.789}) {
            QCOMPARE(readNumber(generalText(v)), v);
            QCOMPARE(readNumber(strText(v)), v);
        }
    }

    void plainAndDate() {
        QCOMPARE(plainText(7), QStringLiteral("7"));
        QCOMPARE(plainText(-7), QStringLiteral("-7"));
        const QDate monday(2026, 12, 7);
        QCOMPARE(dateText(monday, QLocale(QLocale::Italian, QLocale::Italy)),
                 QString::fromUtf8("lunedì,07,12,2026"));
        QCOMPARE(dateText(QDate(2027, 1, 3), QLocale(QLocale::English, QLocale::UnitedKingdom)),
                 QStringLiteral("Sunday,03,01,2027"));
    }

    void countersSaturate() {
        Int16 counter = 32766;
        increment(counter);
        QCOMPARE(counter, Int16{32767});
        increment(counter);
        QCOMPARE(counter, Int16{32767});
        QCOMPARE(saturatingAdd(Int16{-32768}, -1), Int16{-32768});
        QCOMPARE(saturatingAdd(Int16{5}, -7), Int16{-2});
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
