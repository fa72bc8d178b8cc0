#include "Settings.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>

namespace tfx {

QString configFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vorlane.ini"));
}

Settings readSettings(const QString& iniPath, const std::function<QString(const QString&)>& decode)
{
    const IniFile ini = IniFile::load(iniPath);
    const QString section = QStringLiteral("BDados");
    Settings s;
    s.tipo = ini.readString(section, QStringLiteral("Tipo"), QStringLiteral("Standard"));
    s.senhaBD = ini.readString(section, QStringLiteral("SenhaBD"), QStringLiteral("N\u00e3o"));
    s.senhaCriptografada =
        ini.readString(section, QStringLiteral("SenhaCriptografada"), QStringLiteral("Vazio"));
    if (s.senhaCriptografada != QLatin1String("Vazio"))
        s.senha = decode(s.senhaCriptografada);
    s.caminho =
        ini.readString(section, QStringLiteral("Caminho"), QStringLiteral("C:\\Sistemas\\Dados"));
    return s;
}

} // namespace tfx
