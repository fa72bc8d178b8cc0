#pragma once

#include "FieldDef.h"

#include <QVariant>

namespace tfx {

class DataSet;
struct RegionalSettings;

// A field of a data set, reading and writing the data set's active row.
class Field
{
public:
    Field(DataSet& dataSet, int index, FieldDef def);

    const FieldDef& def() const { return m_def; }
    QString fieldName() const { return m_def.name; }
    FieldType dataType() const { return m_def.type; }
    int index() const { return m_index; }
    DataSet& dataSet() const { return m_dataSet; }

    bool isNull() const;
    QVariant value() const;
    QString asString() const;
    double asFloat() const; // a null reads as 0

    void setValue(const QVariant& value);
    void setAsString(const QString& text); // a text field keeps only its first `size` characters
    void setAsFloat(double value);

    // The text a grid shows: empty for null, currency in the regional currency format, numbers
    // by the display format, everything else as stored.
    QString displayText(const RegionalSettings& settings) const;
    static QString displayText(const FieldDef& def, const QVariant& value,
                               const RegionalSettings& settings);
    bool isNumeric() const;

private:
    DataSet& m_dataSet;
    int m_index;
    FieldDef m_def;
};

} // namespace tfx
