#include "Session.h"

#include "EDBEngineError.h"

#include <sqlite3.h>

namespace tfx {

Session& Session::defaultSession()
{
    static Session session;
    return session;
}

void Session::start()
{
    if (m_active)
        return;
    const int rc = sqlite3_initialize();
    if (rc != SQLITE_OK) {
        throw EDBEngineError(
            dbierr::NotInitialized,
            QStringLiteral("An error occurred while attempting to initialize the Borland Database "
                           "Engine (error $%1)")
                .arg(QString::number(rc, 16).toUpper().rightJustified(4, QLatin1Char('0'))));
    }
    m_active = true;
}

void Session::addPassword(const QString& password)
{
    start();
    if (!m_passwords.contains(password))
        m_passwords << password;
}

bool Session::requestPassword(const QString& tableName)
{
    if (!m_prompt)
        return false;
    QString password;
    if (!m_prompt(tableName, password))
        return false;
    addPassword(password);
    return true;
}

} // namespace tfx
