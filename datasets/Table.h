#pragma once

#include "DataSet.h"

#include <QStringList>

namespace tfx {

// A data set over a whole table, in the order of the index whose fields are named.
class Table : public DataSet
{
    Q_OBJECT

public:
    using DataSet::DataSet;

    QString tableName() const { return m_tableName; }
    void setTableName(const QString& name) { m_tableName = name; }
    // Field names separated by ';', e.g. "Inicio;Final".
    QString indexFieldNames() const { return m_indexFieldNames; }
    void setIndexFieldNames(const QString& names) { m_indexFieldNames = names; }

protected:
    std::unique_ptr<Cursor> openCursor(Connection& connection) override;
    QString updateTable() const override { return m_tableName; }

private:
    QString m_tableName;
    QString m_indexFieldNames;
};

} // namespace tfx
