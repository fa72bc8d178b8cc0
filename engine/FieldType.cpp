#include "FieldType.h"

namespace tfx {

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::String:
        return QStringLiteral("String");
    case FieldType::SmallInt:
        return QStringLiteral("SmallInt");
    case FieldType::Integer:
        return QStringLiteral("Integer");
    case FieldType::Word:
        return QStringLiteral("Word");
    case FieldType::AutoInc:
        return QStringLiteral("AutoInc");
    case FieldType::LargeInt:
        return QStringLiteral("LargeInt");
    case FieldType::Boolean:
        return QStringLiteral("Boolean");
    case FieldType::Float:
        return QStringLiteral("Float");
    case FieldType::Currency:
        return QStringLiteral("Currency");
    case FieldType::BCD:
        return QStringLiteral("BCD");
    case FieldType::Date:
        return QStringLiteral("Date");
    case FieldType::Time:
        return QStringLiteral("Time");
    case FieldType::DateTime:
        return QStringLiteral("DateTime");
    case FieldType::Bytes:
        return QStringLiteral("Bytes");
    case FieldType::Memo:
        return QStringLiteral("Memo");
    case FieldType::Blob:
        return QStringLiteral("Blob");
    case FieldType::Graphic:
        return QStringLiteral("Graphic");
    case FieldType::Unknown:
        break;
    }
    return QStringLiteral("Unknown");
}

FieldKind fieldKind(FieldType type)
{
    switch (type) {
    case FieldType::String:
    case FieldType::Memo:
        return FieldKind::Text;
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::Word:
    case FieldType::AutoInc:
    case FieldType::LargeInt:
        return FieldKind::Integer;
    case FieldType::Float:
    case FieldType::Currency:
        return FieldKind::FloatOrCurrency;
    case FieldType::BCD:
        return FieldKind::BCD;
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
        return FieldKind::DateAndTime;
    case FieldType::Boolean:
        return FieldKind::Boolean;
    case FieldType::Bytes:
    case FieldType::Blob:
    case FieldType::Graphic:
        return FieldKind::Binary;
    case FieldType::Unknown:
        break;
    }
    return FieldKind::Other;
}

} // namespace tfx
