#pragma once

#include "Connection.h"

#include <memory>

namespace tfx::odbc {

// Connects to the ODBC data source `dsn` with the given login.
std::unique_ptr<Connection> connect(const QString& dsn, const QString& user,
                                    const QString& password);

} // namespace tfx::odbc
