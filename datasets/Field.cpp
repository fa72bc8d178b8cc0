#include "Field.h"

#include "CurrencyFormat.h"
#include "DataSet.h"
#include "NumberPattern.h"

#include <QDateTime>

namespace tfx {

Field::Field(DataSet& dataSet, int index, FieldDef def)
    : m_dataSet(dataSet), m_index(index), m_def(std::move(def))
{}

bool Field::isNull() const
{
    return value().isNull();
}

QVariant Field::value() const
{
    return m_dataSet.activeValue(m_index);
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime:
        return v.toDateTime().toString(Qt::ISODateWithMs);
    default:
        return v.toString();
    }
}

double Field::asFloat() const
{
    const QVariant v = value();
    return v.isNull() ? 0.0 : v.toDouble();
}

void Field::setValue(const QVariant& value)
{
    m_dataSet.setActiveValue(m_index, value);
}

void Field::setAsString(const QString& text)
{
    if (m_def.type == FieldType::String && m_def.size > 0)
        setValue(text.left(m_def.size));
    else
        setValue(text);
}

void Field::setAsFloat(double value)
{
    setValue(value);
}

bool Field::isNumeric() const
{
    const FieldKind kind = fieldKind(m_def.type);
    return kind == FieldKind::Integer || kind == FieldKind::FloatOrCurrency ||
           kind == FieldKind::BCD;
}

QString Field::displayText(const RegionalSettings& settings) const
{
    return displayText(m_def, value(), settings);
}

QString Field::displayText(const FieldDef& def, const QVariant& value,
                           const RegionalSettings& settings)
{
    if (value.isNull())
        return QString();
    if (def.type == FieldType::Currency)
        return formatCurrency(value.toDouble(), settings);
    const FieldKind kind = fieldKind(def.type);
    if (kind == FieldKind::FloatOrCurrency || kind == FieldKind::BCD ||
        (kind == FieldKind::Integer && !def.displayFormat.isEmpty()))
        return formatNumber(value.toDouble(), def.displayFormat, settings);
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    return value.toString();
}

} // namespace tfx
