#pragma once

#include <QByteArray>
#include <QString>

namespace tfx {

// Windows-1252, the code page of the shops' files. Bytes that code page leaves undefined map to
// the control characters of the same number, as Windows does.
QString windows1252ToString(const QByteArray& bytes);
QString windows1252Char(int code);

} // namespace tfx
