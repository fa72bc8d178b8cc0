// Tier prices in extended precision, and the tier columns they show.

#include "TierPrices.h"

#include <QtTest>
#include <cmath>
#include <gmpxx.h>

using namespace tfx;

namespace {
// The double nearest to an exact rational (ties are not expected in these cases).
double nearestDouble(const mpq_class& exact)
{
    const double truncated = mpq_get_d(exact.get_mpq_t());
    double best = truncated;
    mpq_class bestError = abs(mpq_class(truncated) - exact);
    for (double candidate :
         {std::nextafter(truncated, INFINITY), std::nextafter(truncated, -INFINITY)}) {
        const mpq_class error = abs(mpq_class(candidate) - exact);
        if (error < bestError) {
            bestError = error;
            best = candidate;
        }
    }
    return best;
}
} // namespace

class TestTierPrices : public QObject
{
    Q_OBJECT

private slots:
    void documentedCases_data();
    void documentedCases();
    void extendedPrecisionMatchesExact_data();
    void extendedPrecisionMatchesExact();
    void columns_data();
    void columns();
};

void TestTierPrices::documentedCases_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("percentage");
    QTest::addColumn<double>("expected");
    QTest::newRow("plus 10%") << 50.0 << 10.0 << 55.0;
    QTest::newRow("minus 20%") << 50.0 << -20.0 << 40.0;
    QTest::newRow("zero percent") << 50.0 << 0.0 << 50.0;
    QTest::newRow("null price reads 0") << 0.0 << 15.0 << 0.0;
    QTest::newRow("minus 100%") << 19.9 << -100.0 << 0.0;
}

void TestTierPrices::documentedCases()
{
    QFETCH(double, price);
    QFETCH(double, percentage);
    QFETCH(double, expected);
    QCOMPARE(tierPrice(price, percentage), expected);
}

void TestTierPrices::extendedPrecisionMatchesExact_data()
{
    // Prices and percentages where plain double arithmetic misses the nearest double.
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("percentage");
    QTest::newRow("912.63 -72") << 912.63 << -72.0;
    QTest::newRow("84.91 18.1") << 84.91 << 18.1;
    QTest::newRow("815.16 -93.56") << 815.16 << -93.56;
    QTest::newRow("157.23 -95.5") << 157.23 << -95.5;
    QTest::newRow("856.74 73.54") << 856.74 << 73.54;
    QTest::newRow("517.85 -51.59") << 517.85 << -51.59;
    QTest::newRow("29.98 69.83") << 29.98 << 69.83;
    QTest::newRow("620.88 -88.27") << 620.88 << -88.27;
}

void TestTierPrices::extendedPrecisionMatchesExact()
{
    QFETCH(double, price);
    QFETCH(double, percentage);
    const mpq_class exact = mpq_class(price) * mpq_class(percentage) / 100 + mpq_class(price);
    const double nearest = nearestDouble(exact);
    QCOMPARE(tierPrice(price, percentage), nearest);
    // The case matters: double arithmetic gives another value.
    volatile double p = price, q = percentage;
    QVERIFY(p * q / 100.0 + p != nearest);
}

void TestTierPrices::columns_data()
{
    QTest::addColumn<QList<int>>("activeTiers");
    QTest::addColumn<int>("descriptionWidth");
    QTest::newRow("none") << QList<int>{} << 635;
    QTest::newRow("tiers 2 and 5") << QList<int>{2, 5} << 505;
    QTest::newRow("three") << QList<int>{1, 2, 4} << 440;
    QTest::newRow("all six") << QList<int>{1, 2, 3, 4, 5, 6} << 245;
}

void TestTierPrices::columns()
{
    QFETCH(QList<int>, activeTiers);
    QFETCH(int, descriptionWidth);
    QList<Tier> tiers(TierCount);
    for (int n : activeTiers)
        tiers[n - 1] = Tier{n == 5 ? QString() : QStringLiteral("T%1").arg(n), 10.0 * n};
    QList<GridColumn> columns = designedGridColumns();
    activateTierColumns(columns, tiers);

    QCOMPARE(columns.size(), 12);
    QCOMPARE(columns[DescriptionColumn].width, descriptionWidth);
    for (int n = 1; n <= TierCount; ++n) {
        const GridColumn& column = columns[5 + n];
        QCOMPARE(column.field, QStringLiteral("Preco0%1").arg(n));
        const bool active = activeTiers.contains(n);
        QCOMPARE(column.visible, active);
        // A tier with a null title shows an empty title; inactive ones keep their design title.
        QCOMPARE(column.title, active ? (n == 5 ? QString() : QStringLiteral("T%1").arg(n))
                                      : QStringLiteral("Preco %1").arg(n));
        if (active)
            QCOMPARE(column.width, TierColumnWidth);
    }
    for (int c = 0; c < 6; ++c)
        QVERIFY(columns[c].visible);
}

QTEST_GUILESS_MAIN(TestTierPrices)
#include "tst_tierprices.moc"
