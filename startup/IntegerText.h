#pragma once

#include <QString>

namespace tfx {

// Text to integer as the platform's conversion does it: leading blanks skipped, one '+' or '-',
// then decimal digits, or hexadecimal digits after '$', 'x', 'X', "0x" or "0X". Anything else,
// including nothing after the sign or prefix and out-of-range values, raises EConvertError
// "'<text>' is not a valid integer value".
int strToInt(const QString& text);

} // namespace tfx
