#pragma once

#include <QByteArray>

namespace tfx {

// A value rounded the way a person reads it: first to 15 significant digits, which turns
// 22.884999999999998 back into the 22.885 that was typed, then half away from zero to the
// decimals shown. Digits are ASCII; the integer part has no leading zeros and is empty for 0.
struct DisplayDecimal
{
    bool negative = false;
    QByteArray integerDigits;
    QByteArray fractionDigits;

    bool isZero() const;

    // Rounds |value| to exactly `decimals` fraction digits. A value that rounds to zero is
    // never negative. Infinite and NaN values give zero: callers test for them first.
    static DisplayDecimal fromDouble(double value, int decimals);

    // Number of decimals that keeps all 15 significant digits of `value` (0 for zero).
    static int significantDecimals(double value);
};

} // namespace tfx
