#pragma once

#include <QString>

namespace tfx {

// The engine's logical column types, named as the data-set layer reports them in messages.
enum class FieldType
{
    Unknown,
    String,
    SmallInt,
    Integer,
    Word,
    AutoInc,
    LargeInt,
    Boolean,
    Float,
    Currency,
    BCD,
    Date,
    Time,
    DateTime,
    Bytes,
    Memo,
    Blob,
    Graphic,
};

// Groups within which a declared field accepts any column type: a text field takes any text
// column, a floating-point field an integer column does not.
enum class FieldKind
{
    Other,
    Text,
    Integer,
    FloatOrCurrency,
    DateAndTime,
    BCD,
    Boolean,
    Binary
};

QString fieldTypeName(FieldType type);
FieldKind fieldKind(FieldType type);

} // namespace tfx
