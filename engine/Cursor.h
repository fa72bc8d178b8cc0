#pragma once

#include "FieldType.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace tfx {

// One column of a result as the engine describes it. `size` is the declared width of text and
// byte columns (0 when unknown).
struct Column
{
    QString name;
    FieldType type = FieldType::Unknown;
    int size = 0;
};

// The rows of an opened query or table, fetched one at a time so that the first rows are ready
// before the last are read. Values: a null QVariant for NULL; QString for text and memo, qint64
// for integers, double for Float, Currency and BCD, bool, QDate, QTime, QDateTime, QByteArray.
class Cursor
{
public:
    virtual ~Cursor() = default;

    virtual const QList<Column>& columns() const = 0;

    // Puts the next row into `row` (one value per column) and returns true, or returns false
    // at the end. Engine failures while reading raise EDBEngineError.
    virtual bool next(QVariantList& row) = 0;
};

} // namespace tfx
