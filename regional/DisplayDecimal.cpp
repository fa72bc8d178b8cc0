#include "DisplayDecimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tfx {

namespace {

constexpr int SignificantDigits = 15;

struct Scientific
{
    QByteArray digits; // no decimal point, first digit non-zero
    int exponent = 0;  // value = d.ddd... x 10^exponent
};

// |value| correctly rounded to 17 significant digits (enough to tell any two doubles apart),
// then cut to 15 half away from zero, so that a tie at the fifteenth digit does not depend on
// the round-half-to-even of the conversion.
Scientific toSignificantDigits(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 16);
    const char* exponentMark = std::find(buffer, result.ptr, 'e');
    Scientific s;
    for (const char* p = buffer; p != exponentMark; ++p) {
        if (*p != '.')
            s.digits.append(*p);
    }
    s.exponent = std::atoi(QByteArray(exponentMark + 1, result.ptr - exponentMark - 1).constData());

    const bool roundUp = s.digits.at(SignificantDigits) >= '5';
    s.digits.truncate(SignificantDigits);
    if (roundUp) {
        int i = SignificantDigits - 1;
        while (i >= 0 && s.digits[i] == '9')
            s.digits[i--] = '0';
        if (i >= 0) {
            ++s.digits[i];
        } else {
            s.digits.prepend('1');
            s.digits.chop(1);
            ++s.exponent;
        }
    }
    return s;
}

// Adds one unit in the last place of a digit string; returns false when it carried out.
bool incrementDigits(QByteArray& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return true;
        }
        digits[i] = '0';
    }
    return false;
}

QByteArray withoutLeadingZeros(const QByteArray& digits)
{
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == '0')
        ++first;
    return digits.mid(first);
}

} // namespace

bool DisplayDecimal::isZero() const
{
    return integerDigits.isEmpty() && fractionDigits.count('0') == fractionDigits.size();
}

DisplayDecimal DisplayDecimal::fromDouble(double value, int decimals)
{
    decimals = std::max(decimals, 0);
    DisplayDecimal d;
    d.fractionDigits.fill('0', decimals);
    if (value == 0 || !std::isfinite(value))
        return d;

    const Scientific s = toSignificantDigits(value);
    QByteArray integer;
    QByteArray fraction;
    if (s.exponent >= 0) {
        const qsizetype integerCount = s.exponent + 1;
        integer = s.digits.left(integerCount);
        if (integer.size() < integerCount)
            integer.append(QByteArray(integerCount - integer.size(), '0'));
        fraction = s.digits.mid(integerCount);
    } else {
        fraction = QByteArray(-s.exponent - 1, '0') + s.digits;
    }

    bool roundUp = false;
    if (fraction.size() > decimals) {
        roundUp = fraction.at(decimals) >= '5';
        fraction.truncate(decimals);
    } else {
        fraction.append(QByteArray(decimals - fraction.size(), '0'));
    }
    if (roundUp && !incrementDigits(fraction) && !incrementDigits(integer))
        integer.prepend('1');

    d.integerDigits = withoutLeadingZeros(integer);
    d.fractionDigits = fraction;
    d.negative = value < 0 && !d.isZero();
    return d;
}

int DisplayDecimal::significantDecimals(double value)
{
    if (value == 0 || !std::isfinite(value))
        return 0;
    return std::max(0, SignificantDigits - 1 - toSignificantDigits(value).exponent);
}

} // namespace tfx
