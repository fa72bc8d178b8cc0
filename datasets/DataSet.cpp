#include "DataSet.h"

#include "Connection.h"
#include "Database.h"
#include "Exception.h"

#include <QSignalBlocker>

namespace tfx {

namespace {
// Key of a value for exact lookups: its type and its text.
QString locateKey(const QVariant& value)
{
    if (value.isNull())
        return QString();
    return QString::number(value.typeId()) + QLatin1Char(':') + value.toString();
}

bool sameKind(FieldType declared, FieldType actual)
{
    return fieldKind(declared) == fieldKind(actual);
}
} // namespace

DataSet::DataSet(const QString& name, Database& database, QObject* parent)
    : QObject(parent), m_database(database)
{
    setObjectName(name);
}

DataSet::~DataSet()
{
    if (m_closer)
        m_database.removeCloser(m_closer);
}

void DataSet::fail(const QString& message) const
{
    throw EDatabaseError(name() + QStringLiteral(": ") + message);
}

void DataSet::addField(const FieldDef& def)
{
    m_fieldsDeclared = true;
    m_fields.push_back(std::make_unique<Field>(*this, int(m_fields.size()), def));
}

Field* DataSet::findField(const QString& name) const
{
    for (const auto& field : m_fields) {
        if (field->fieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    }
    return nullptr;
}

Field& DataSet::fieldByName(const QString& name) const
{
    Field* field = findField(name);
    if (!field)
        fail(QStringLiteral("Field '%1' not found").arg(name));
    return *field;
}

void DataSet::open()
{
    if (active())
        return;
    // Lookup sources must be open before the first row is fetched.
    for (const auto& field : m_fields) {
        if (field->def().use == FieldKindOfUse::Lookup && field->def().lookupDataSet &&
            !field->def().lookupDataSet->active())
            field->def().lookupDataSet->open();
    }
    std::unique_ptr<Cursor> cursor = openCursor(m_database.connection());
    bindColumns(cursor->columns());
    m_cursor = std::move(cursor);
    m_state = State::Browse;
    if (!m_closer)
        m_closer = m_database.addCloser([this] { close(); });
    // The first rows arrive with opened(), not as a fetch of their own.
    QSignalBlocker quiet(this);
    try {
        fetchMore(FirstFetch);
    } catch (...) {
        close();
        throw;
    }
    quiet.unblock();
    m_current = m_rows.empty() ? -1 : 0;
    m_active = m_rows.empty() ? nullptr : &m_rows[0];
    emit opened();
}

void DataSet::bindColumns(const QList<Column>& columns)
{
    if (!m_fieldsDeclared) {
        m_fields.clear();
        for (const Column& column : columns) {
            FieldDef def;
            def.name = column.name;
            def.type = column.type;
            def.size = column.size;
            m_fields.push_back(std::make_unique<Field>(*this, int(m_fields.size()), def));
        }
    }
    m_columns = columns;
    m_columnOfField.clear();
    for (const auto& field : m_fields) {
        int found = -1;
        if (field->def().use == FieldKindOfUse::Data) {
            for (int c = 0; c < columns.size(); ++c) {
                if (columns[c].name.compare(field->fieldName(), Qt::CaseInsensitive) == 0) {
                    found = c;
                    break;
                }
            }
            if (found < 0)
                fail(QStringLiteral("Field '%1' not found").arg(field->fieldName()));
            if (!sameKind(field->dataType(), columns[found].type))
                fail(QStringLiteral("Type mismatch for field '%1', expecting: %2 actual: %3")
                         .arg(field->fieldName(), fieldTypeName(field->dataType()),
                              fieldTypeName(columns[found].type)));
        }
        m_columnOfField << found;
    }
}

void DataSet::close()
{
    if (!active())
        return;
    m_state = State::Inactive;
    m_cursor.reset();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_current = -1;
    m_active = nullptr;
    m_locateIndex.clear();
    m_editOriginal.clear();
    emit closed();
}

void DataSet::fetchMore(int count)
{
    if (!m_cursor || count <= 0)
        return;
    const int firstNew = fetchedCount();
    QVariantList cursorRow;
    for (int i = 0; i < count; ++i) {
        if (!m_cursor->next(cursorRow)) {
            m_cursor.reset();
            break;
        }
        fetchRow(cursorRow);
    }
    // A fetch may move the vector's storage.
    m_active = m_current >= 0 ? &m_rows[size_t(m_current)] : nullptr;
    if (fetchedCount() > firstNew)
        emit rowsFetched(firstNew, fetchedCount() - 1);
}

void DataSet::fetchAll()
{
    while (m_cursor)
        fetchMore(4096);
}

void DataSet::fetchRow(const QVariantList& cursorRow)
{
    Row row;
    row.values.resize(m_fields.size());
    for (size_t f = 0; f < m_fields.size(); ++f) {
        const int column = m_columnOfField[int(f)];
        if (column >= 0 && column < cursorRow.size())
            row.values[f] = cursorRow[column];
    }
    Row* saved = m_active;
    m_active = &row;
    for (const auto& field : m_fields) {
        if (field->def().use == FieldKindOfUse::Lookup)
            row.values[field->index()] = lookupValue(field->def());
    }
    if (onCalcFields) {
        m_calculating = true;
        try {
            onCalcFields(*this);
        } catch (...) {
            m_calculating = false;
            m_active = saved;
            throw;
        }
        m_calculating = false;
    }
    m_active = saved;
    m_rows.push_back(std::move(row));
}

QVariant DataSet::lookupValue(const FieldDef& def)
{
    DataSet* source = def.lookupDataSet;
    if (!source || !source->active())
        return QVariant();
    const Field* key = findField(def.keyFields);
    if (!key)
        return QVariant();
    const int row = source->locateFirst(def.lookupKeyFields, m_active->values[key->index()]);
    if (row < 0)
        return QVariant();
    const QVariant value =
        source->rowValue(row, source->fieldByName(def.lookupResultField).index());
    // The result takes the lookup field's type (a SUM may come back as an integer).
    if (!value.isNull() && fieldKind(def.type) == FieldKind::FloatOrCurrency)
        return value.toDouble();
    return value;
}

int DataSet::locateFirst(const QString& keyField, const QVariant& key)
{
    if (!active() || key.isNull())
        return -1;
    const int field = fieldByName(keyField).index();
    auto it = m_locateIndex.find(keyField.toUpper());
    if (it == m_locateIndex.end()) {
        // Rows are in the data set's order, so keeping the first row of each key gives the
        // same answer as a search from the first row.
        fetchAll();
        QHash<QString, int> index;
        index.reserve(qsizetype(m_rows.size()));
        for (int r = 0; r < int(m_rows.size()); ++r) {
            const QString k = locateKey(m_rows[size_t(r)].values[field]);
            if (!index.contains(k))
                index.insert(k, r);
        }
        it = m_locateIndex.insert(keyField.toUpper(), index);
    }
    return it->value(locateKey(key), -1);
}

void DataSet::setRecNo(int row)
{
    if (!active() || m_state == State::Edit)
        return;
    if (row >= fetchedCount())
        fetchMore(row - fetchedCount() + 1);
    if (m_rows.empty())
        return;
    row = qBound(0, row, fetchedCount() - 1);
    if (row == m_current)
        return;
    m_current = row;
    m_active = &m_rows[size_t(row)];
    emit currentRowChanged(row);
}

QVariant DataSet::rowValue(int row, int field) const
{
    if (row < 0 || row >= fetchedCount() || field < 0 || field >= int(m_fields.size()))
        return QVariant();
    return m_rows[size_t(row)].values[field];
}

QVariant DataSet::activeValue(int field) const
{
    if (!m_active || field < 0 || field >= m_active->values.size())
        return QVariant();
    return m_active->values[field];
}

void DataSet::setActiveValue(int field, const QVariant& value)
{
    const bool calculated = m_fields[size_t(field)]->def().use == FieldKindOfUse::Calculated;
    if (!(m_calculating && calculated) && m_state != State::Edit)
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    if (!m_active)
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    m_active->values[field] = value;
}

void DataSet::edit()
{
    if (m_state == State::Edit)
        return;
    if (!active())
        fail(QStringLiteral("Cannot perform this operation on a closed dataset"));
    if (updateTable().isEmpty())
        fail(QStringLiteral("Cannot modify a read-only dataset"));
    if (m_current < 0)
        fail(QStringLiteral("Cannot modify an empty dataset"));
    m_editOriginal = m_rows[size_t(m_current)].values;
    m_state = State::Edit;
}

void DataSet::cancel()
{
    if (m_state != State::Edit)
        return;
    m_rows[size_t(m_current)].values = m_editOriginal;
    m_editOriginal.clear();
    m_state = State::Browse;
    emit rowUpdated(m_current);
}

void DataSet::post()
{
    if (m_state != State::Edit)
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    RecordUpdate update;
    update.table = updateTable();
    QList<int> dataFields;
    for (const auto& field : m_fields) {
        if (field->def().use != FieldKindOfUse::Data)
            continue;
        dataFields << field->index();
        const Column& column = m_columns[m_columnOfField[field->index()]];
        update.columns << Column{column.name, column.type, column.size};
        update.original << m_editOriginal[field->index()];
    }
    // One write per changed field; each names the row as it stands after the previous one. A
    // refused write leaves the row in editing with its new values.
    const Row& row = m_rows[size_t(m_current)];
    for (int i = 0; i < dataFields.size(); ++i) {
        const QVariant& now = row.values[dataFields[i]];
        if (now == update.original[i] && now.isNull() == update.original[i].isNull())
            continue;
        update.field = i;
        update.value = now;
        m_database.connection().updateRecord(update);
        update.original[i] = now;
    }
    m_editOriginal.clear();
    m_state = State::Browse;
    emit rowUpdated(m_current);
}

} // namespace tfx
