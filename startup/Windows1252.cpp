#include "Windows1252.h"

namespace tfx {

namespace {
// 0x80..0x9F; the rest of the page equals Latin-1.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar fromByte(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? QChar(kHigh[b - 0x80]) : QChar(b);
}
} // namespace

QString windows1252ToString(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = fromByte(static_cast<unsigned char>(bytes[i]));
    return text;
}

QString windows1252Char(int code)
{
    return QString(fromByte(static_cast<unsigned char>(code & 0xFF)));
}

} // namespace tfx
