#pragma once

#include "Cursor.h"

#include <QStringList>
#include <memory>

namespace tfx {

// Writing one field of one row back: the row is identified by every value as it was fetched,
// so a row another program changed meanwhile is not found and the write is refused.
struct RecordUpdate
{
    QString table;         // the table the row was read from
    QList<Column> columns; // the columns as fetched
    QVariantList original; // their values as fetched
    int field = -1;        // index into columns of the field being written
    QVariant value;        // its new value (a null QVariant for NULL)
};

// An open connection of one driver. Every failure raises EDBEngineError with the driver's text.
class Connection
{
public:
    virtual ~Connection() = default;

    // Runs one SQL statement that returns rows.
    virtual std::unique_ptr<Cursor> query(const QString& sql) = 0;

    // Opens a whole table in the order of the named index fields (empty: its natural order).
    // A local table without a fitting index fails with "No index for fields '...'".
    virtual std::unique_ptr<Cursor> table(const QString& name, const QStringList& indexFields) = 0;

    // Writes one field of one row. Fails with "Record changed by another user." and writes
    // nothing when no row still holds the original values.
    virtual void updateRecord(const RecordUpdate& update) = 0;
};

} // namespace tfx
