#include "Exception.h"

namespace tfx {

const char* Exception::what() const noexcept
{
    m_what = m_message.toUtf8();
    return m_what.constData();
}

EJPEG::EJPEG(int code) : Exception(QStringLiteral("JPEG error #%1").arg(code)), m_code(code) {}

} // namespace tfx
