#pragma once

#include "Connection.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace tfx {

class Session;

enum class TransIsolation
{
    DirtyRead,
    ReadCommitted,
    RepeatableRead
};

// A named connection: a driver (a database described by its parameter lines alone) or an alias
// (a named database definition of the engine), plus parameter lines "NAME=value" that override
// the alias's own settings. Opening resolves it to a driver connection:
//   driver STANDARD        -> Paradox tables in the folder of PATH (the working folder without it)
//   alias  Orquel          -> Firebird; SERVER NAME is the connection string, USER NAME/password
//   the login any other alias        -> the ODBC data source of that name; USER NAME/password the
//   login
class Database
{
public:
    explicit Database(Session& session);
    ~Database();

    Session& session() const { return m_session; }

    QString databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString& name) { m_databaseName = name; }

    // Driver and alias are one setting: setting one clears the other.
    QString driverName() const { return m_driverName; }
    void setDriverName(const QString& name);
    QString aliasName() const { return m_aliasName; }
    void setAliasName(const QString& name);

    QStringList& params() { return m_params; }
    const QStringList& params() const { return m_params; }

    TransIsolation transIsolation() const { return m_isolation; }
    void setTransIsolation(TransIsolation isolation) { m_isolation = isolation; }
    bool loginPrompt() const { return false; }
    bool keepConnection() const { return true; }

    bool connected() const { return m_connection != nullptr; }
    // Opens with the current driver or alias and parameter lines; does nothing when open.
    void open();
    // Closes every data set on the connection first, then the connection.
    void close();

    // The open connection, opening it first when closed (so a refused connection is tried
    // again at every use).
    Connection& connection();

    // Data sets register a closer so that closing the connection closes them first.
    using Closer = std::function<void()>;
    int addCloser(Closer closer);
    void removeCloser(int id);

    // The settings the connection resolves to: the alias's own, overridden by the lines.
    QString paramValue(const QString& name) const;

private:
    std::unique_ptr<Connection> connectResolved() const;

    Session& m_session;
    QString m_databaseName;
    QString m_driverName;
    QString m_aliasName;
    QStringList m_params;
    TransIsolation m_isolation = TransIsolation::ReadCommitted;
    std::unique_ptr<Connection> m_connection;
    QList<std::pair<int, Closer>> m_closers;
    int m_nextCloser = 1;
};

} // namespace tfx
