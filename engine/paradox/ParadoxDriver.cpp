#include "ParadoxDriver.h"

#include "EDBEngineError.h"

namespace tfx::paradox {

std::unique_ptr<Connection> connect(const QString&, PasswordSource&, bool)
{
    throw EDBEngineError(dbierr::ConnectFailed, QStringLiteral("Paradox driver not built yet"));
}

} // namespace tfx::paradox
