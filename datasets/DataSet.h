#pragma once

#include "Cursor.h"
#include "Field.h"

#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace tfx {

class Connection;
class Database;

// Rows of a query or table opened through a database connection. Rows are fetched as they are
// needed, so the first rows are ready at once on any size; every fetched row gets its lookup
// fields and its calculated fields (the calculation hook) as it is fetched. The current row is
// what field values read and write.
class DataSet : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Inactive,
        Browse,
        Edit
    };

    DataSet(const QString& name, Database& database, QObject* parent = nullptr);
    ~DataSet() override;

    QString name() const { return objectName(); }
    Database& database() const { return m_database; }

    // Declared fields. With none declared, opening creates one data field per column.
    void addField(const FieldDef& def);
    const std::vector<std::unique_ptr<Field>>& fields() const { return m_fields; }
    Field* findField(const QString& name) const;
    Field& fieldByName(const QString& name) const; // "Name: Field 'x' not found"

    // Called for each fetched row; writes the calculated fields.
    std::function<void(DataSet&)> onCalcFields;

    void open();
    void close();
    bool active() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // Fetching.
    int fetchedCount() const { return int(m_rows.size()); }
    bool allFetched() const { return !m_cursor; }
    void fetchMore(int count);
    void fetchAll();
    static constexpr int FirstFetch = 64;

    // The current row: -1 when the data set is closed or empty.
    int recNo() const { return m_current; }
    void setRecNo(int row);
    bool isEmpty() const { return m_rows.empty(); }
    void first() { setRecNo(0); }
    void next() { setRecNo(m_current + 1); }

    QVariant rowValue(int row, int field) const;

    // Editing the current row: edit, write fields, post writes the changed data fields back.
    void edit();
    void post();
    void cancel();

    // The first row whose field `keyField` equals `key` exactly, or -1.
    int locateFirst(const QString& keyField, const QVariant& key);

    // Field access to the active row (the current row, or the row being fetched).
    QVariant activeValue(int field) const;
    void setActiveValue(int field, const QVariant& value);

    // An error of this data set: "Name: message".
    [[noreturn]] void fail(const QString& message) const;

signals:
    void opened();
    void closed();
    void rowsFetched(int first, int last);
    void currentRowChanged(int row);
    void rowUpdated(int row);

protected:
    virtual std::unique_ptr<Cursor> openCursor(Connection& connection) = 0;
    // The table a posted row is written to; empty for a data set that cannot be written.
    virtual QString updateTable() const = 0;

private:
    struct Row
    {
        QVariantList values;
    };

    void bindColumns(const QList<Column>& columns);
    void fetchRow(const QVariantList& cursorRow);
    QVariant lookupValue(const FieldDef& def);

    Database& m_database;
    std::vector<std::unique_ptr<Field>> m_fields;
    bool m_fieldsDeclared = false;
    State m_state = State::Inactive;
    std::unique_ptr<Cursor> m_cursor;
    QList<Column> m_columns;
    QList<int> m_columnOfField; // -1 for lookup and calculated fields
    std::vector<Row> m_rows;
    int m_current = -1;
    Row* m_active = nullptr; // row that field access reads and writes
    QVariantList m_editOriginal;
    bool m_calculating = false;
    QHash<QString, QHash<QString, int>> m_locateIndex; // per key field: first row of each key
    int m_closer = 0;
};

} // namespace tfx
