#include "FirebirdDriver.h"

#include "EDBEngineError.h"

namespace tfx::firebird {

std::unique_ptr<Connection> connect(const QString&, const QString&, const QString&)
{
    throw EDBEngineError(dbierr::ConnectFailed, QStringLiteral("Firebird driver not built yet"));
}

} // namespace tfx::firebird
