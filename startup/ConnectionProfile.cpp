#include "ConnectionProfile.h"

#include "Database.h"
#include "Settings.h"

namespace tfx {

void setDesignValues(Database& database)
{
    database.setDatabaseName(QStringLiteral("Confeccao"));
    database.setDriverName(QStringLiteral("STANDARD"));
    database.params() = {QStringLiteral("PATH=C:\\Vorlane\\Sistemas\\Talbrix\\Dados"),
                         QStringLiteral("DEFAULT DRIVER=PARADOX"),
                         QStringLiteral("ENABLE BCD=FALSE")};
    database.setTransIsolation(TransIsolation::ReadCommitted);
}

void buildConnection(Database& database, const Settings& settings)
{
    applyConnectionProfile(database, settings);
    database.open();
}

void applyConnectionProfile(Database& database, const Settings& settings)
{
    database.close();
    database.params().clear();
    TransIsolation isolation = TransIsolation::ReadCommitted;
    if (settings.tipo == QLatin1String("Standard")) {
        database.params() << QStringLiteral("PATH=") + settings.caminho
                          << QStringLiteral("DEFAULT DRIVER=PARADOX")
                          << QStringLiteral("ENABLE BCD=FALSE");
        isolation = TransIsolation::DirtyRead;
    } else if (settings.tipo == QLatin1String("Interbase")) {
        database.setAliasName(QStringLiteral("Orquel"));
        database.params() << QStringLiteral("SERVER NAME=") + settings.caminho
                          << QStringLiteral("USER NAME=SYSDBA")
                          << QStringLiteral("password=plumbvise");
    } else if (settings.tipo == QLatin1String("MSSQL")) {
        database.setAliasName(settings.caminho);
        database.params() << QStringLiteral("USER NAME=sa");
        if (settings.senhaBD == QLatin1String("Sim"))
            database.params() << QStringLiteral("password=") + settings.senha;
    }
    database.setTransIsolation(isolation);
}

} // namespace tfx
