#include "Database.h"

#include "EDBEngineError.h"
#include "Session.h"
#include "firebird/FirebirdDriver.h"
#include "odbc/OdbcDriver.h"
#include "paradox/ParadoxDriver.h"

#include <QDir>
#include <QMap>

namespace tfx {

namespace {

const QString kStandardDriver = QStringLiteral("STANDARD");
const QString kFirebirdDriver = QStringLiteral("INTRBASE");
const QString kFirebirdAlias = QStringLiteral("Orquel");

// The settings a driver or alias has of its own, with their values before any parameter line.
// A line naming a setting not in this list has no effect; "PASSWORD" is accepted wherever there
// is a user name, since it supplies that user's login.
QMap<QString, QString> ownSettings(const QString& driver, const QString& alias)
{
    if (!alias.isEmpty()) {
        if (alias.compare(kFirebirdAlias, Qt::CaseInsensitive) == 0) {
            return {{QStringLiteral("SERVER NAME"), QString()},
                    {QStringLiteral("USER NAME"), QString()},
                    {QStringLiteral("PASSWORD"), QString()}};
        }
        return {{QStringLiteral("ODBC DSN"), alias},
                {QStringLiteral("USER NAME"), QString()},
                {QStringLiteral("PASSWORD"), QString()}};
    }
    if (driver.compare(kFirebirdDriver, Qt::CaseInsensitive) == 0) {
        return {{QStringLiteral("SERVER NAME"), QString()},
                {QStringLiteral("USER NAME"), QString()},
                {QStringLiteral("PASSWORD"), QString()}};
    }
    return {{QStringLiteral("PATH"), QString()},
            {QStringLiteral("DEFAULT DRIVER"), QStringLiteral("PARADOX")},
            {QStringLiteral("ENABLE BCD"), QStringLiteral("FALSE")}};
}

QMap<QString, QString> resolvedSettings(const QString& driver, const QString& alias,
                                        const QStringList& lines)
{
    QMap<QString, QString> settings = ownSettings(driver, alias);
    QMap<QString, bool> overridden;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString name = line.left(eq).trimmed().toUpper();
        // The first line naming a setting wins, as with a list's Values[].
        if (settings.contains(name) && !overridden.value(name)) {
            settings[name] = line.mid(eq + 1);
            overridden[name] = true;
        }
    }
    return settings;
}

} // namespace

Database::Database(Session& session) : m_session(session), m_driverName(kStandardDriver) {}

Database::~Database() = default;

void Database::setDriverName(const QString& name)
{
    m_driverName = name;
    m_aliasName.clear();
}

void Database::setAliasName(const QString& name)
{
    m_aliasName = name;
    m_driverName.clear();
}

QString Database::paramValue(const QString& name) const
{
    return resolvedSettings(m_driverName, m_aliasName, m_params).value(name.toUpper());
}

void Database::open()
{
    if (m_connection)
        return;
    m_session.start();
    m_connection = connectResolved();
}

void Database::close()
{
    const auto closers = m_closers;
    for (const auto& [id, closer] : closers)
        closer();
    m_connection.reset();
}

Connection& Database::connection()
{
    open();
    return *m_connection;
}

int Database::addCloser(Closer closer)
{
    const int id = m_nextCloser++;
    m_closers.append({id, std::move(closer)});
    return id;
}

void Database::removeCloser(int id)
{
    m_closers.removeIf([id](const auto& entry) { return entry.first == id; });
}

std::unique_ptr<Connection> Database::connectResolved() const
{
    const auto settings = resolvedSettings(m_driverName, m_aliasName, m_params);
    const QString user = settings.value(QStringLiteral("USER NAME"));
    const QString password = settings.value(QStringLiteral("PASSWORD"));
    if (!m_aliasName.isEmpty()) {
        if (m_aliasName.compare(kFirebirdAlias, Qt::CaseInsensitive) == 0)
            return firebird::connect(settings.value(QStringLiteral("SERVER NAME")), user, password);
        return odbc::connect(settings.value(QStringLiteral("ODBC DSN")), user, password);
    }
    if (m_driverName.compare(kFirebirdDriver, Qt::CaseInsensitive) == 0)
        return firebird::connect(settings.value(QStringLiteral("SERVER NAME")), user, password);
    if (m_driverName.compare(kStandardDriver, Qt::CaseInsensitive) != 0)
        throw EDBEngineError(dbierr::ConnectFailed,
                             QStringLiteral("Unknown database driver: %1").arg(m_driverName));
    QString path = settings.value(QStringLiteral("PATH"));
    if (path.isEmpty())
        path = QDir::currentPath();
    const bool enableBcd = settings.value(QStringLiteral("ENABLE BCD"))
                               .compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    return paradox::connect(path, m_session, enableBcd);
}

} // namespace tfx
