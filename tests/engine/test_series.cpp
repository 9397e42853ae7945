#include "engine/series.h"
#include "support/fake_random.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace ortambra;
using ortambra::testing::almostOne;
using ortambra::testing::FakeRandom;

namespace {

// The series model, computed independently of the generator: x_k from the previous value and
// step k mod R, starting from 0 for a sum and 1 for a product.
std::array<double, 6> modelNumbers(const Series& s) {
    std::array<double, 6> x{};
    double previous = s.Operazione[0] == Operator::Product ? 1.0 : 0.0;
    for (int k = 0; k < 6; ++k) {
        const auto j = static_cast<std::size_t>(k % s.Ritmo);
        previous = s.Operazione[j] == Operator::Sum ? previous + s.Passi[j] : previous * s.Passi[j];
        x[static_cast<std::size_t>(k)] = previous;
    }
    return x;
}

} // namespace

class SeriesTest : public QObject {
    Q_OBJECT

  private slots:
    void drawFormulas() {
        QCOMPARE(drawHidden(0.0f), Int16{0});
        QCOMPARE(drawHidden(0.5f), Int16{2});
        QCOMPARE(drawHidden(0.2f), Int16{1});
        QCOMPARE(drawHidden(almostOne), Int16{4});

        QCOMPARE(drawRhythm(0.0f), Int16{2});
        QCOMPARE(drawRhythm(0.5f), Int16{2}); // 2.5 goes to the even 2
        // u + 2 is a single-precision sum: just above 0.5 it still rounds to 2.5, hence to 2.
        QCOMPARE(drawRhythm(std::nextafter(0.5f, 1.0f)), Int16{2});
        QCOMPARE(drawRhythm(0.5000002f), Int16{3});
        QCOMPARE(drawRhythm(almostOne), Int16{3});

        QCOMPARE(drawOperator(0.0f), Operator::Sum);
        QCOMPARE(drawOperator(0.5f), Operator::Product); // 1.5 goes to the even 2
        QCOMPARE(drawOperator(std::nextafter(0.5f, 0.0f)), Operator::Product); // 1.5 in float
        QCOMPARE(drawOperator(0.4999999f), Operator::Sum);
        QCOMPARE(drawOperator(almostOne), Operator::Product);
    }

    void stepDrawsStayWithinOneToN() {
        for (int n = 2; n <= 10; ++n) {
            QCOMPARE(drawStep(0.0f, n), Int16{1});
            // The top draw: for N = 2, 4, 8 the float sum rounds up to N + 1.
            QCOMPARE(drawStep(almostOne, n), static_cast<Int16>(n));
            QCOMPARE(drawStep(0.5f, n), static_cast<Int16>(n / 2 + 1));
        }
    }

    // Each draw is monotonic in u, so the first point of the generator's 2^-24 grid that gives
    // each value pins it on the whole grid. Single precision rounds a sum or product just below a
    // whole number up to it, so these differ from the exact formulas (u + 2 > 2.5 at 8388609, 3·u
    // reaches 1 at 5592406): arithmetic wider than float, on any processor, moves them.
    void firstGridPointOfEachValue() {
        struct Draw {
            QString name;
            std::function<int(float)> draw;
            std::vector<int> firsts; // of the values 1, 2, ... after the draw's lowest
        };
        std::vector<Draw> draws{{"hidden", drawHidden, {3355444, 6710887, 10066330, 13421773}},
                                {"rhythm", drawRhythm, {8388611}},
                                {"operator",
                                 [](float u) { return drawOperator(u) == Operator::Sum ? 0 : 1; },
                                 {8388607}}};
        const std::vector<std::vector<int>> stepFirsts{
            {8388608},
            {5592405, 11184810},
            {4194304, 8388608, 12582912},
            {3355443, 6710886, 10066330, 13421772},
            {2796203, 5592405, 8388608, 11184810, 13981013},
            {2396745, 4793490, 7190236, 9586980, 11983726, 14380471},
            {2097152, 4194304, 6291456, 8388608, 10485760, 12582912, 14680064},
            {1864135, 3728270, 5592406, 7456540, 9320676, 11184811, 13048946, 14913080},
            {1677722, 3355443, 5033165, 6710886, 8388608, 10066330, 11744051, 13421772, 15099494}};
        for (int n = 2; n <= 10; ++n)
            draws.push_back({QString("step N=%1").arg(n), [n](float u) { return drawStep(u, n); },
                             stepFirsts[static_cast<std::size_t>(n - 2)]});
        constexpr int gridSize = 1 << 24;
        const auto u = [](int m) { return static_cast<float>(m) * 0x1p-24f; };
        for (const Draw& d : draws) {
            const int lowest = d.draw(0.0f);
            QVERIFY2(d.draw(u(gridSize - 1)) == lowest + static_cast<int>(d.firsts.size()),
                     qPrintable(d.name));
            for (std::size_t i = 0; i < d.firsts.size(); ++i) {
                const int value = lowest + static_cast<int>(i) + 1;
                int first = 0; // binary search for the first grid point drawing value
                for (int past = gridSize; first < past;) {
                    const int middle = first + (past - first) / 2;
                    if (d.draw(u(middle)) < value)
                        first = middle + 1;
                    else
                        past = middle;
                }
                QVERIFY2(first == d.firsts[i], qPrintable(QString("%1: %2 from %3, expected %4")
                                                              .arg(d.name)
                                                              .arg(value)
                                                              .arg(first)
                                                              .arg(d.firsts[i])));
            }
        }
    }

    void drawOrderMixedMode() {
        // h, R, then s0 o0 s1 o1 s2 o2 for a Doppio in mixed mode.
        FakeRandom random;
        random.push({0.5f, almostOne, 0.0f, 0.5f, almostOne, 0.0f, 0.5f, 0.5f});
        const Series s = drawSeries(Mode::SumsAndProducts, 10, random);
        QCOMPARE(random.drawsTaken(), 8);
        QCOMPARE(s.Posizione_Mancante, Int16{2});
        QCOMPARE(s.Ritmo, Int16{3});
        QCOMPARE(s.Passi, (std::array<Int16, 3>{1, 10, 6}));
        QCOMPARE(s.Operazione,
                 (std::array<Operator, 3>{Operator::Product, Operator::Sum, Operator::Product}));
        // 1x1=1, +10=11, x6=66, x1=66, +10=76, x6=456
        QCOMPARE(s.Numeri, (std::array<double, 6>{1, 11, 66, 66, 76, 456}));
        QCOMPARE(s.startValue(), 1);
    }

    void singleModesDrawNoOperator() {
        FakeRandom random;
        random.push({0.0f, 0.0f, almostOne, almostOne});
        const Series sums = drawSeries(Mode::OnlySums, 4, random);
        QCOMPARE(random.drawsTaken(), 4);
        QCOMPARE(sums.Ritmo, Int16{2});
        QCOMPARE(sums.Numeri, (std::array<double, 6>{4, 8, 12, 16, 20, 24}));
        QCOMPARE(sums.startValue(), 0);

        random.push({almostOne, 0.0f, almostOne, almostOne});
        const Series products = drawSeries(Mode::OnlyProducts, 10, random);
        QCOMPARE(products.Posizione_Mancante, Int16{4});
        QCOMPARE(products.Numeri[5], 1000000.0); // 10^6, the largest a series can reach
        QCOMPARE(products.startValue(), 1);

        random.push({0.0f, almostOne, 0.0f, 0.0f, 0.0f});
        const Series ones = drawSeries(Mode::OnlyProducts, 10, random);
        QCOMPARE(ones.Numeri, (std::array<double, 6>{1, 1, 1, 1, 1, 1}));
    }

    void seededSeriesFollowTheModel() {
        FakeRandom random(20261208);
        for (Mode mode : {Mode::OnlySums, Mode::OnlyProducts, Mode::SumsAndProducts}) {
            for (int n = 2; n <= 10; ++n) {
                std::array<int, 5> hiddenSeen{};
                for (int round = 0; round < 400; ++round) {
                    const Series s = drawSeries(mode, n, random);
                    const QString where =
                        QString("mode %1 N %2 round %3").arg(qToUnderlying(mode)).arg(n).arg(round);
                    QVERIFY2(s.Ritmo == 2 || s.Ritmo == 3, qPrintable(where));
                    QVERIFY2(s.Posizione_Mancante >= 0 && s.Posizione_Mancante <= 4,
                             qPrintable(where));
                    ++hiddenSeen[static_cast<std::size_t>(s.Posizione_Mancante)];
                    for (int j = 0; j < s.Ritmo; ++j) {
                        const auto step = s.Passi[static_cast<std::size_t>(j)];
                        const auto op = s.Operazione[static_cast<std::size_t>(j)];
                        QVERIFY2(step >= 1 && step <= n, qPrintable(where));
                        if (mode == Mode::OnlySums)
                            QVERIFY2(op == Operator::Sum, qPrintable(where));
                        else if (mode == Mode::OnlyProducts)
                            QVERIFY2(op == Operator::Product, qPrintable(where));
                        else
                            QVERIFY2(op == Operator::Sum || op == Operator::Product,
                                     qPrintable(where));
                    }
                    QVERIFY2(s.Numeri == modelNumbers(s), qPrintable(where));
                    QVERIFY2(s.Numeri[0] == s.Passi[0], qPrintable(where));
                    QCOMPARE(s.startValue(), s.Operazione[0] == Operator::Product ? 1 : 0);
                }
                for (int count : hiddenSeen)
                    QVERIFY(count > 0); // every position 0 ... 4 gets hidden sometimes
            }
        }
    }
};

QTEST_GUILESS_MAIN(SeriesTest)
#include "test_series.moc"
