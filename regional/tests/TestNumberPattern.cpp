#include "TestNumberPattern.h"

#include "NumberPattern.h"
#include "SampleSettings.h"

#include <QTest>
#include <limits>

namespace tfx {

void TestNumberPattern::stockPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1234.5") << 1234.5 << "1.234,5";
    QTest::newRow("whole number") << 2.0 << "2";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("fraction keeps one integer digit") << 0.5 << "0,5";
    QTest::newRow("three decimals") << 1.125 << "1,125";
    QTest::newRow("fourth decimal rounds half away") << 0.0005 << "0,001";
    QTest::newRow("1.0005 stored below the half") << 1.0005 << "1,001";
    QTest::newRow("1234567.1235") << 1234567.1235 << "1.234.567,124";
    QTest::newRow("trailing zeros after rounding") << 2.0999 << "2,1";
    QTest::newRow("carry into a new group") << 999.9996 << "1.000";
    QTest::newRow("negative") << -1234.5 << "-1.234,5";
    QTest::newRow("negative stock total") << -3.0 << "-3";
    QTest::newRow("tiny negative shows 0") << -0.0004 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("large") << 1e15 << "1.000.000.000.000.000";
    QTest::newRow("beyond 15 digits") << 123456789012345678.0 << "123.456.789.012.346.000";
    QTest::newRow("tiny") << 1e-300 << "0";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "INF";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "NAN";
}

void TestNumberPattern::stockPattern()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, "#,##0.###", samples::brazilian()), expected);
}

void TestNumberPattern::otherPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fixed decimals") << "0.00" << 2.0 << "2,00";
    QTest::newRow("no grouping without comma") << "0" << 12345.4 << "12345";
    QTest::newRow("no required integer digit") << "#.##" << 0.5 << ",5";
    QTest::newRow("overflow digits go first") << ".00" << 12.5 << "12,50";
    QTest::newRow("leading zeros") << "000" << 7.0 << "007";
    QTest::newRow("literal between digits") << "00-00" << 1234.0 << "12-34";
    QTest::newRow("quoted literal") << "'R$' #,##0.00" << 1234.0 << "R$ 1.234,00";
    QTest::newRow("double-quoted literal holding ; and #") << "0\" kg;#.\"" << 3.0 << "3 kg;#.";
    QTest::newRow("negative section has no sign") << "#,##0.00;(#,##0.00)" << -5.0 << "(5,00)";
    QTest::newRow("negative section, positive value") << "#,##0.00;(#,##0.00)" << 5.0 << "5,00";
    QTest::newRow("zero section") << "0.0;-0.0;'zero'" << 0.0 << "zero";
    QTest::newRow("zero section after rounding") << "0.0;-0.0;'zero'" << -0.04 << "zero";
    QTest::newRow("empty negative section uses first") << "0.0;;'nil'" << -1.5 << "-1,5";
    QTest::newRow("empty pattern: 15 digits") << "" << 22.885 << "22,885";
    QTest::newRow("empty pattern: 0.1 + 0.2") << "" << 0.30000000000000004 << "0,3";
    QTest::newRow("empty pattern: negative") << "" << -1234.5 << "-1234,5";
}

void TestNumberPattern::otherPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberPattern(pattern).format(value, samples::brazilian()), expected);
}

void TestNumberPattern::usesRegionalSeparators()
{
    QCOMPARE(formatNumber(1234567.25, "#,##0.###", samples::unitedStates()), "1,234,567.25");
}

void TestNumberPattern::nullShowsEmpty()
{
    QCOMPARE(formatNumber(std::optional<double>(), "#,##0.###", samples::brazilian()), QString());
}

} // namespace tfx
