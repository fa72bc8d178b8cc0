#pragma once

#include <QStringList>

namespace tfx {

// Where a driver finds the passwords of protected tables: those registered so far and, when
// none fits, a request to the user. Implemented by the session.
class PasswordSource
{
public:
    virtual ~PasswordSource() = default;

    virtual QStringList passwords() const = 0;

    // Asks for a password for `tableName`. Returns true when one was added (the driver then
    // tries again) and false when the user declined or nobody can be asked.
    virtual bool requestPassword(const QString& tableName) = 0;
};

} // namespace tfx
