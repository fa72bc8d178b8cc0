#pragma once

#include "Connection.h"
#include "PasswordSource.h"

#include <memory>

namespace tfx::paradox {

// Opens the Paradox tables of `folder` as one SQL database (each .DB file a table named after
// the file, matched without regard to case). The folder is not checked here: a missing folder
// or table is reported when a table is first used. With `enableBcd` false, BCD columns are
// reported as Float.
std::unique_ptr<Connection> connect(const QString& folder, PasswordSource& passwords,
                                    bool enableBcd);

} // namespace tfx::paradox
