#pragma once

#include <QString>

namespace tfx {

// Text of the error message box: the message, with a full stop appended when it is not empty
// and its last character comes after the full stop in code order (after letters, digits, '/',
// ':', '?', and every character of code 128 and above).
QString errorBoxText(const QString& message);

// Text of the fatal error box shown when start-up fails:
// "Exception <class> in module <module> at <code address in pointer-wide hex>." + line break +
// message, the message ending with a full stop.
QString fatalBoxText(const QString& className, const QString& module, quintptr address,
                     const QString& message);

// The application title: the executable's file name without folder, cut at its first full
// stop, every character after the first in lower case (PRECOS.EXE gives Precos).
QString applicationTitle(const QString& executablePath);

} // namespace tfx
