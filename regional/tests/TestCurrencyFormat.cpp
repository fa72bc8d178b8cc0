#include "TestCurrencyFormat.h"

#include "CurrencyFormat.h"
#include "SampleSettings.h"

#include <QTest>
#include <limits>

namespace tfx {

void TestCurrencyFormat::regionalExamples_data()
{
    QTest::addColumn<RegionalSettings>("settings");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Brazil positive") << samples::brazilian() << 1234.56 << "R$ 1.234,56";
    QTest::newRow("Brazil negative") << samples::brazilian() << -1234.56 << "-R$ 1.234,56";
    QTest::newRow("US positive") << samples::unitedStates() << 1234.56 << "$1,234.56";
    QTest::newRow("US negative") << samples::unitedStates() << -1234.56 << "($1,234.56)";
    QTest::newRow("Brazil millions") << samples::brazilian() << 1234567.0 << "R$ 1.234.567,00";
    QTest::newRow("Brazil below a thousand") << samples::brazilian() << 999.0 << "R$ 999,00";
    QTest::newRow("Brazil zero") << samples::brazilian() << 0.0 << "R$ 0,00";

    RegionalSettings swiss = samples::unitedStates();
    swiss.currencySymbol = "CHF";
    swiss.thousandsSeparator = QString(QChar(0x2019));
    swiss.positiveCurrencyFormat = RegionalSettings::SymbolFirstSpaced;
    swiss.negativeCurrencyFormat = 12;
    QTest::newRow("multi-letter symbol, non-ASCII separator")
        << swiss << -1234567.5 << QString("CHF -1\u2019234\u2019567.50");

    RegionalSettings noGrouping = samples::brazilian();
    noGrouping.thousandsSeparator.clear();
    QTest::newRow("empty thousands separator") << noGrouping << 1234567.5 << "R$ 1234567,50";
}

void TestCurrencyFormat::regionalExamples()
{
    QFETCH(RegionalSettings, settings);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatCurrency(value, settings), expected);
}

void TestCurrencyFormat::negativeFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");

    const char* expected[] = {
        "(R$1.234,50)", "-R$1.234,50",  "R$-1.234,50",   "R$1.234,50-",
        "(1.234,50R$)", "-1.234,50R$",  "1.234,50-R$",   "1.234,50R$-",
        "-1.234,50 R$", "-R$ 1.234,50", "1.234,50 R$-",  "R$ 1.234,50-",
        "R$ -1.234,50", "1.234,50- R$", "(R$ 1.234,50)", "(1.234,50 R$)",
    };
    for (int format = 0; format < RegionalSettings::NegativeCurrencyFormatCount; ++format)
        QTest::addRow("%d", format) << format << QString(expected[format]);
    QTest::newRow("out of range falls back to 0") << 16 << "(R$1.234,50)";
}

void TestCurrencyFormat::negativeFormats()
{
    QFETCH(int, format);
    QFETCH(QString, expected);
    RegionalSettings settings = samples::brazilian();
    settings.negativeCurrencyFormat = format;
    QCOMPARE(formatCurrency(-1234.5, settings), expected);
    // The negative pattern never leaks into positive amounts.
    QCOMPARE(formatCurrency(1234.5, settings), "R$ 1.234,50");
}

void TestCurrencyFormat::positiveFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << "R$1.234,50";
    QTest::newRow("1") << 1 << "1.234,50R$";
    QTest::newRow("2") << 2 << "R$ 1.234,50";
    QTest::newRow("3") << 3 << "1.234,50 R$";
    QTest::newRow("out of range falls back to 0") << -1 << "R$1.234,50";
}

void TestCurrencyFormat::positiveFormats()
{
    QFETCH(int, format);
    QFETCH(QString, expected);
    RegionalSettings settings = samples::brazilian();
    settings.positiveCurrencyFormat = format;
    QCOMPARE(formatCurrency(1234.5, settings), expected);
}

void TestCurrencyFormat::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Stored just below the half: the 15-digit step brings back what was typed.
    QTest::newRow("22.885 stored as 22.884999999999998") << 22.884999999999998 << "R$ 22,89";
    QTest::newRow("-22.884999999999998") << -22.884999999999998 << "-R$ 22,89";
    QTest::newRow("1.005") << 1.005 << "R$ 1,01";
    QTest::newRow("2.675") << 2.675 << "R$ 2,68";
    QTest::newRow("0.285") << 0.285 << "R$ 0,29";
    QTest::newRow("1.255") << 1.255 << "R$ 1,26";
    QTest::newRow("12345.675") << 12345.675 << "R$ 12.345,68";
    QTest::newRow("0.015") << 0.015 << "R$ 0,02";
    volatile double price = 19.9;
    QTest::newRow("tier price 19.90 + 15%") << price * 15 / 100 + price << "R$ 22,89";
    volatile double tenth = 0.1;
    QTest::newRow("0.1 + 0.2") << tenth + 0.2 << "R$ 0,30";
    // Exact binary halves round away from zero.
    QTest::newRow("0.125") << 0.125 << "R$ 0,13";
    QTest::newRow("-0.125") << -0.125 << "-R$ 0,13";
    QTest::newRow("1234567.125") << 1234567.125 << "R$ 1.234.567,13";
    QTest::newRow("0.005") << 0.005 << "R$ 0,01";
    QTest::newRow("-0.005") << -0.005 << "-R$ 0,01";
    // Truly below the half within 15 digits stays below.
    QTest::newRow("1.00499999999999") << 1.00499999999999 << "R$ 1,00";
    QTest::newRow("0.00499999999999999") << 0.00499999999999999 << "R$ 0,00";
    // Beyond 15 digits the value reads as the half.
    QTest::newRow("0.004999999999999999") << 0.004999999999999999 << "R$ 0,01";
    // A tie at the 16th digit is taken away from zero before the decimals are cut.
    QTest::newRow("999999999999999.5") << 999999999999999.5 << "R$ 1.000.000.000.000.000,00";
    // Carries run into the integer part and add a group.
    QTest::newRow("9.995") << 9.995 << "R$ 10,00";
    QTest::newRow("999.995") << 999.995 << "R$ 1.000,00";
    QTest::newRow("-999999.999") << -999999.999 << "-R$ 1.000.000,00";
    // Very large values keep 15 significant digits and pad with zeros.
    QTest::newRow("1e15") << 1e15 << "R$ 1.000.000.000.000.000,00";
    QTest::newRow("123456789012345678") << 123456789012345678.0 << "R$ 123.456.789.012.346.000,00";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max()
        << "R$ 179.769.313.486.232" + QString(".000").repeated(98) + ",00";
    // Very small values and negative zero show as positive zero.
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << "R$ 0,00";
    QTest::newRow("negative denormal") << -std::numeric_limits<double>::denorm_min() << "R$ 0,00";
    QTest::newRow("-0.0") << -0.0 << "R$ 0,00";
    QTest::newRow("-0.004") << -0.004 << "R$ 0,00";
    QTest::newRow("1e-300") << 1e-300 << "R$ 0,00";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "INF";
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << "-INF";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "NAN";
}

void TestCurrencyFormat::rounding()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatCurrency(value, samples::brazilian()), expected);
}

void TestCurrencyFormat::currencyDecimals_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0 decimals, half up") << 0 << 1234.5 << "R$ 1.235";
    QTest::newRow("0 decimals, negative half") << 0 << -0.5 << "-R$ 1";
    QTest::newRow("0 decimals, below half") << 0 << -0.4 << "R$ 0";
    QTest::newRow("3 decimals") << 3 << 1.0005 << "R$ 1,001";
    QTest::newRow("3 decimals, padded") << 3 << 2.5 << "R$ 2,500";
}

void TestCurrencyFormat::currencyDecimals()
{
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, expected);
    RegionalSettings settings = samples::brazilian();
    settings.currencyDecimals = decimals;
    QCOMPARE(formatCurrency(value, settings), expected);
}

void TestCurrencyFormat::nullShowsEmpty()
{
    QCOMPARE(formatCurrency(std::optional<double>(), samples::brazilian()), QString());
    QCOMPARE(formatCurrency(std::optional<double>(0.0), samples::brazilian()), "R$ 0,00");
}

} // namespace tfx
