// The connection profiles that Vorlane.ini selects, and how the engine resolves their lines.

#include "ConnectionProfile.h"
#include "Database.h"
#include "Session.h"
#include "Settings.h"

#include <QtTest>

using namespace tfx;

class TestProfiles : public QObject
{
    Q_OBJECT

private slots:
    void designValues();
    void profileLines_data();
    void profileLines();
    void linesOverrideOnlyOwnSettings();
};

void TestProfiles::designValues()
{
    Database db(Session::defaultSession());
    setDesignValues(db);
    QCOMPARE(db.databaseName(), QString("Confeccao"));
    QCOMPARE(db.driverName(), QString("STANDARD"));
    QCOMPARE(db.aliasName(), QString());
    QCOMPARE(db.params(), QStringList({"PATH=C:\\Vorlane\\Sistemas\\Talbrix\\Dados",
                                       "DEFAULT DRIVER=PARADOX", "ENABLE BCD=FALSE"}));
    QVERIFY(!db.loginPrompt());
    QVERIFY(db.keepConnection());
}

void TestProfiles::profileLines_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("senhaBD");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("isolation");

    const int dirty = int(TransIsolation::DirtyRead);
    const int committed = int(TransIsolation::ReadCommitted);
    QTest::newRow("Standard default folder")
        << "Standard"
        << "N\u00e3o"
        << ""
        << "C:\\Sistemas\\Dados"
        << "STANDARD"
        << ""
        << QStringList{"PATH=C:\\Sistemas\\Dados", "DEFAULT DRIVER=PARADOX", "ENABLE BCD=FALSE"}
        << dirty;
    QTest::newRow("Interbase ignores password settings")
        << "Interbase"
        << "Sim"
        << "segredo"
        << "server01"
        << ""
        << "Orquel" << QStringList{"SERVER NAME=server01", "USER NAME=SYSDBA", "password=plumbvise"}
        << committed;
    QTest::newRow("MSSQL no password") << "MSSQL"
                                       << "N\u00e3o"
                                       << ""
                                       << "LOJA"
                                       << ""
                                       << "LOJA" << QStringList{"USER NAME=sa"} << committed;
    QTest::newRow("MSSQL Sim empty password")
        << "MSSQL"
        << "Sim"
        << ""
        << "LOJA"
        << ""
        << "LOJA" << QStringList{"USER NAME=sa", "password="} << committed;
    QTest::newRow("MSSQL Sim password")
        << "MSSQL"
        << "Sim"
        << "abc"
        << "LOJA"
        << ""
        << "LOJA" << QStringList{"USER NAME=sa", "password=abc"} << committed;
    QTest::newRow("MSSQL sim lower case") << "MSSQL"
                                          << "sim"
                                          << "abc"
                                          << "LOJA"
                                          << ""
                                          << "LOJA" << QStringList{"USER NAME=sa"} << committed;
    QTest::newRow("standard lower case") << "standard"
                                         << ""
                                         << ""
                                         << "D:\\x"
                                         << "STANDARD"
                                         << "" << QStringList{} << committed;
    QTest::newRow("empty type") << ""
                                << ""
                                << ""
                                << "D:\\x"
                                << "STANDARD"
                                << "" << QStringList{} << committed;
}

void TestProfiles::profileLines()
{
    QFETCH(QString, tipo);
    QFETCH(QString, senhaBD);
    QFETCH(QString, senha);
    QFETCH(QString, caminho);
    QFETCH(QString, driver);
    QFETCH(QString, alias);
    QFETCH(QStringList, lines);
    QFETCH(int, isolation);

    Database db(Session::defaultSession());
    setDesignValues(db);
    const Settings settings{tipo, senhaBD, "stored", senha, caminho};
    applyConnectionProfile(db, settings);
    QCOMPARE(db.driverName(), driver);
    QCOMPARE(db.aliasName(), alias);
    QCOMPARE(db.params(), lines);
    QCOMPARE(int(db.transIsolation()), isolation);
    QCOMPARE(db.databaseName(), QString("Confeccao"));
}

void TestProfiles::linesOverrideOnlyOwnSettings()
{
    Database db(Session::defaultSession());
    db.setAliasName("Orquel");
    db.params() = {"SERVER NAME=a:/x.fdb", "server name=ignored, the first line wins",
                   "USER NAME=SYSDBA", "password=plumbvise", "ODBC DSN=not an Orquel setting"};
    QCOMPARE(db.paramValue("SERVER NAME"), QString("a:/x.fdb"));
    QCOMPARE(db.paramValue("USER NAME"), QString("SYSDBA"));
    QCOMPARE(db.paramValue("PASSWORD"), QString("plumbvise"));
    QCOMPARE(db.paramValue("ODBC DSN"), QString());

    db.setAliasName("LOJA");
    QCOMPARE(db.driverName(), QString());
    QCOMPARE(db.paramValue("ODBC DSN"), QString("not an Orquel setting"));
    db.params() = {"USER NAME=sa"};
    QCOMPARE(db.paramValue("ODBC DSN"), QString("LOJA"));
    QCOMPARE(db.paramValue("SERVER NAME"), QString());

    db.setDriverName("STANDARD");
    QCOMPARE(db.aliasName(), QString());
    db.params() = {"PATH=/dados", "ENABLE BCD=TRUE"};
    QCOMPARE(db.paramValue("PATH"), QString("/dados"));
    QCOMPARE(db.paramValue("DEFAULT DRIVER"), QString("PARADOX"));
    QCOMPARE(db.paramValue("ENABLE BCD"), QString("TRUE"));
}

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
