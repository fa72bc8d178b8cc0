#pragma once

#include "DataSet.h"

#include <QStringList>

namespace tfx {

// A data set over the rows of an SQL text kept as a list of lines.
class Query : public DataSet
{
    Q_OBJECT

public:
    using DataSet::DataSet;

    QStringList& sql() { return m_sql; }
    const QStringList& sql() const { return m_sql; }
    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }

protected:
    std::unique_ptr<Cursor> openCursor(Connection& connection) override;
    // A query over one table without grouping or joins writes back to that table.
    QString updateTable() const override;

private:
    QStringList m_sql;
};

} // namespace tfx
