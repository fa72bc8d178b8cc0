#include "PasswordDecoding.h"

#include "IntegerText.h"
#include "Windows1252.h"

namespace tfx {

QString descriptografarSenha(const QString& stored)
{
    QString result;
    for (qsizetype p = 0; p <= stored.size() - 2; p += 3)
        result += windows1252Char(strToInt(stored.mid(p, 3)) & 0xFF);
    return result;
}

} // namespace tfx
