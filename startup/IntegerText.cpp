#include "IntegerText.h"

#include "Exception.h"

#include <limits>

namespace tfx {

namespace {
[[noreturn]] void invalid(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int digitValue(QChar c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c.unicode() - u'A' + 10;
    return v < base ? v : -1;
}
} // namespace

int strToInt(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        invalid(text);
    qint64 value = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            invalid(text);
        value = value * base + d;
        // Hexadecimal text may spell any 32-bit pattern; decimal must fit a signed integer.
        const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                        : qint64(std::numeric_limits<int>::max()) + negative;
        if (value > limit)
            invalid(text);
    }
    if (base == 16)
        return negative ? -static_cast<int>(static_cast<quint32>(value))
                        : static_cast<int>(static_cast<quint32>(value));
    return static_cast<int>(negative ? -value : value);
}

} // namespace tfx
