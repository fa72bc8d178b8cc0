#pragma once

#include "FieldType.h"

#include <QString>

namespace tfx {

class DataSet;

// How a declared field gets its value: from the engine's column of the same name, from a row of
// another data set, or from the data set's calculation hook.
enum class FieldKindOfUse
{
    Data,
    Lookup,
    Calculated
};

// A field declaration, as a form description lists it.
struct FieldDef
{
    QString name;
    FieldKindOfUse use = FieldKindOfUse::Data;
    FieldType type = FieldType::String;
    int size = 0;          // text width; writing a longer text cuts it to this size
    QString displayFormat; // e.g. "#,##0.###"; currency fields use the regional format

    // Lookup fields: the value of `lookupResultField` in the first row of `lookupDataSet` whose
    // `lookupKeyFields` equals this row's `keyFields`.
    DataSet* lookupDataSet = nullptr;
    QString keyFields;
    QString lookupKeyFields;
    QString lookupResultField;
};

} // namespace tfx
