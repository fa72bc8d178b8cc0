#include "Table.h"

#include "Connection.h"

namespace tfx {

std::unique_ptr<Cursor> Table::openCursor(Connection& connection)
{
    return connection.table(m_tableName,
                            m_indexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts));
}

} // namespace tfx
