// Vorlane.ini reading, password decoding and the texts of the error boxes.

#include "ErrorText.h"
#include "Exception.h"
#include "IniFile.h"
#include "PasswordDecoding.h"
#include "Settings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tfx;

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void iniReadsAsProfileService_data();
    void iniReadsAsProfileService();
    void iniMissingFileGivesDefaults();
    void iniValueCutAtReaderLimit();

    void settingsDefaults();
    void settingsDecodeBeforeCaminho();

    void decodesPassword_data();
    void decodesPassword();
    void refusesBadGroup_data();
    void refusesBadGroup();

    void errorBoxFullStop_data();
    void errorBoxFullStop();
    void fatalBoxText();
    void applicationTitle_data();
    void applicationTitle();
};

void TestConfig::iniReadsAsProfileService_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("[BDados]\nTipo=Interbase\n") << "Tipo"
                           << "Interbase";
    QTest::newRow("section and key case") << QByteArray("[bdados]\nTIPO=MSSQL\n") << "Tipo"
                                          << "MSSQL";
    QTest::newRow("value case kept") << QByteArray("[BDados]\nTipo=standard\n") << "Tipo"
                                     << "standard";
    QTest::newRow("blanks around")
        << QByteArray("  [ BDados ]  \r\n  Tipo  =   MSSQL  \r\n") << "Tipo"
        << "MSSQL";
    QTest::newRow("double quotes") << QByteArray("[BDados]\nCaminho=\" C:\\Dados \"\n") << "Caminho"
                                   << " C:\\Dados ";
    QTest::newRow("single quotes") << QByteArray("[BDados]\nCaminho='LOJA'\n") << "Caminho"
                                   << "LOJA";
    QTest::newRow("unmatched quote kept") << QByteArray("[BDados]\nCaminho=\"LOJA'\n") << "Caminho"
                                          << "\"LOJA'";
    QTest::newRow("first key wins")
        << QByteArray("[BDados]\nTipo=MSSQL\nTipo=Interbase\n") << "Tipo"
        << "MSSQL";
    QTest::newRow("first section wins")
        << QByteArray("[BDados]\nTipo=MSSQL\n[BDados]\nCaminho=X\n") << "Caminho"
        << "default";
    QTest::newRow("other section") << QByteArray("[Outro]\nTipo=MSSQL\n[BDados]\nX=1\n") << "Tipo"
                                   << "default";
    QTest::newRow("comment") << QByteArray("[BDados]\n;Tipo=MSSQL\n") << "Tipo"
                             << "default";
    QTest::newRow("cp1252") << QByteArray("[BDados]\nSenhaBD=N\xe3o\n") << "SenhaBD"
                            << QStringLiteral("N\u00e3o");
    QTest::newRow("cp1252 euro") << QByteArray("[BDados]\nCaminho=\x80\n") << "Caminho"
                                 << QStringLiteral("\u20ac");
    QTest::newRow("empty value") << QByteArray("[BDados]\nCaminho=\n") << "Caminho"
                                 << "";
    QTest::newRow("equals in value") << QByteArray("[BDados]\nCaminho=a=b\n") << "Caminho"
                                     << "a=b";
}

void TestConfig::iniReadsAsProfileService()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(IniFile::fromBytes(file).readString("BDados", key, "default"), expected);
}

void TestConfig::iniMissingFileGivesDefaults()
{
    QTemporaryDir dir;
    QCOMPARE(IniFile::load(dir.filePath("Vorlane.ini")).readString("BDados", "Tipo", "Standard"),
             QString("Standard"));
    // A folder where the file should be reads as no file.
    QVERIFY(QDir(dir.path()).mkdir("Vorlane.ini"));
    QCOMPARE(IniFile::load(dir.filePath("Vorlane.ini")).readString("BDados", "Tipo", "Standard"),
             QString("Standard"));
}

void TestConfig::iniValueCutAtReaderLimit()
{
    const QByteArray file = "[BDados]\nCaminho=" + QByteArray(5000, 'x') + "\n";
    QCOMPARE(IniFile::fromBytes(file).readString("BDados", "Caminho", "").size(),
             IniFile::MaxValueLength);
}

static QString writeIni(QTemporaryDir& dir, const QByteArray& content)
{
    QFile file(dir.filePath("Vorlane.ini"));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return file.fileName();
}

void TestConfig::settingsDefaults()
{
    QTemporaryDir dir;
    int decodes = 0;
    const Settings s = readSettings(dir.filePath("Vorlane.ini"), [&](const QString& t) {
        ++decodes;
        return t;
    });
    QCOMPARE(s.tipo, QString("Standard"));
    QCOMPARE(s.senhaBD, QStringLiteral("N\u00e3o"));
    QCOMPARE(s.senhaCriptografada, QString("Vazio"));
    QCOMPARE(s.senha, QString());
    QCOMPARE(s.caminho, QString("C:\\Sistemas\\Dados"));
    QCOMPARE(decodes, 0);
}

void TestConfig::settingsDecodeBeforeCaminho()
{
    QTemporaryDir dir;
    const QString path =
        writeIni(dir, "[BDados]\nTipo=MSSQL\nSenhaBD=Sim\nSenhaCriptografada=09x\nCaminho=LOJA\n");
    const Settings good = readSettings(path, [](const QString&) { return QString("ok"); });
    QCOMPARE(good.senha, QString("ok"));
    QCOMPARE(good.caminho, QString("LOJA"));
    try {
        readSettings(path, descriptografarSenha);
        QFAIL("a stored password that does not decode must stop the reading");
    } catch (const EConvertError& e) {
        QCOMPARE(e.message(), QString("'09x' is not a valid integer value"));
    }
}

void TestConfig::decodesPassword_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("password");

    QTest::newRow("abc") << "097098099"
                         << "abc";
    QTest::newRow("3k+1 ignores last") << "0970980991"
                                       << "abc";
    QTest::newRow("3k+2 two-digit group") << "09709809" << QString("ab") + QChar(9);
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one char") << "9"
                              << "";
    QTest::newRow("two chars") << "65"
                               << "A";
    QTest::newRow("wraps above 255") << "321"
                                     << "A";
    QTest::newRow("negative wraps") << "-01" << QString(QChar(0xFF));
    QTest::newRow("leading blank") << " 65"
                                   << "A";
    QTest::newRow("plus sign") << "+65"
                               << "A";
    QTest::newRow("dollar hex") << "$41"
                                << "A";
    QTest::newRow("x hex") << "x41"
                           << "A";
    QTest::newRow("X hex") << "X4a"
                           << "J";
    QTest::newRow("0x hex") << "0x4" << QString(QChar(4));
    QTest::newRow("cp1252 code") << "128" << QStringLiteral("\u20ac");
    QTest::newRow("cp1252 accent") << "227" << QStringLiteral("\u00e3");
    QTest::newRow("zero") << "000" << QString(QChar(0));
}

void TestConfig::decodesPassword()
{
    QFETCH(QString, stored);
    QFETCH(QString, password);
    QCOMPARE(descriptografarSenha(stored), password);
}

void TestConfig::refusesBadGroup_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("group");

    QTest::newRow("letter after digit") << "09x"
                                        << "09x";
    QTest::newRow("blank after digit") << "9 1"
                                       << "9 1";
    QTest::newRow("trailing blank") << "09 "
                                    << "09 ";
    QTest::newRow("letter") << "abc"
                            << "abc";
    QTest::newRow("nothing after prefix") << "097+$"
                                          << "+$";
    QTest::newRow("sign blank") << "+ 1"
                                << "+ 1";
    QTest::newRow("prefix only") << "0x"
                                 << "0x";
    QTest::newRow("blank after prefix") << "$ 1"
                                        << "$ 1";
    QTest::newRow("two signs") << "+-1"
                               << "+-1";
    QTest::newRow("blanks only") << "   "
                                 << "   ";
    QTest::newRow("second group") << "097ab1"
                                  << "ab1";
}

void TestConfig::refusesBadGroup()
{
    QFETCH(QString, stored);
    QFETCH(QString, group);
    try {
        descriptografarSenha(stored);
        QFAIL("expected a conversion error");
    } catch (const EConvertError& e) {
        QCOMPARE(e.message(), QString("'%1' is not a valid integer value").arg(group));
        QCOMPARE(e.className(), "EConvertError");
    }
}

void TestConfig::errorBoxFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter") << "Table does not exist"
                            << "Table does not exist.";
    QTest::newRow("digit") << "error 42"
                           << "error 42.";
    QTest::newRow("slash") << "a/"
                           << "a/.";
    QTest::newRow("colon") << "File:"
                           << "File:.";
    QTest::newRow("question") << "Why?"
                              << "Why?.";
    QTest::newRow("high code") << QStringLiteral("N\u00e3o") << QStringLiteral("N\u00e3o.");
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("parenthesis") << "(x)"
                                 << "(x)";
    QTest::newRow("quote") << "'09x'"
                           << "'09x'";
    QTest::newRow("comma") << "a,"
                           << "a,";
    QTest::newRow("exclamation") << "Stop!"
                                 << "Stop!";
    QTest::newRow("blank") << "a "
                           << "a ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("line break inside") << "Line 1\nLine 2"
                                       << "Line 1\nLine 2.";
}

void TestConfig::errorBoxFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(message), shown);
}

void TestConfig::fatalBoxText()
{
    QCOMPARE(
        tfx::fatalBoxText("EDBEngineError", "Tarifex", 0x4A3F10, "Invalid password"),
        QString(
            "Exception EDBEngineError in module Tarifex at 00000000004A3F10.\nInvalid password."));
    QCOMPARE(tfx::fatalBoxText("EAbort", "T.EXE", 0x10, "(x)"),
             QString("Exception EAbort in module T.EXE at 0000000000000010.\n(x)."));
    QCOMPARE(tfx::fatalBoxText("E", "T", 0x10, "Done."),
             QString("Exception E in module T at 0000000000000010.\nDone."));
}

void TestConfig::applicationTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("windows") << "C:\\Sistemas\\PRECOS.EXE"
                             << "Precos";
    QTest::newRow("ours") << "/opt/tarifex/Tarifex"
                          << "Tarifex";
    QTest::newRow("first dot") << "/x/MY.APP.EXE"
                               << "My";
    QTest::newRow("first letter kept") << "tarifex.exe"
                                       << "tarifex";
}

void TestConfig::applicationTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(tfx::applicationTitle(path), title);
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
