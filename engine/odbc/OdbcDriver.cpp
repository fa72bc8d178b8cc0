#include "OdbcDriver.h"

#include "EDBEngineError.h"

namespace tfx::odbc {

std::unique_ptr<Connection> connect(const QString&, const QString&, const QString&)
{
    throw EDBEngineError(dbierr::ConnectFailed, QStringLiteral("ODBC driver not built yet"));
}

} // namespace tfx::odbc
