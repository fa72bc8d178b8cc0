#pragma once

#include "Connection.h"

#include <memory>

namespace tfx::firebird {

// Connects to a Firebird/InterBase database; `serverName` is the client library's connection
// string ("host:/path/db.fdb", "host/port:alias" ...). Text travels as WIN1252.
std::unique_ptr<Connection> connect(const QString& serverName, const QString& user,
                                    const QString& password);

} // namespace tfx::firebird
