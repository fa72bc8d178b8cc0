#pragma once

#include <QString>
#include <QVariant>

namespace tfx {

// A value as the query tool prints it: NULL as nothing, numbers in the C locale with up to 15
// significant digits, dates and times in ISO 8601, logical values as T or F, text with tabs,
// line breaks and backslashes written as \t, \n, \r and \\, bytes in hexadecimal.
QString resultText(const QVariant& value);

} // namespace tfx
