#pragma once

#include <QString>
#include <functional>

namespace tfx {

// The site settings of section BDados of Vorlane.ini.
struct Settings
{
    QString tipo;               // database type: "Standard", "Interbase" or "MSSQL"
    QString senhaBD;            // "Sim" sends the password (MSSQL only)
    QString senhaCriptografada; // stored password, "Vazio" when none
    QString senha;              // decoded password, empty unless one is stored
    QString caminho;            // folder, server or alias, depending on tipo
};

// Vorlane.ini in the folder of the running executable; the working folder plays no part.
QString configFilePath();

// Reads Tipo, SenhaBD and SenhaCriptografada, decodes the stored password with `decode` unless it
// is "Vazio", then reads Caminho. A decoding error propagates before Caminho is read.
Settings readSettings(const QString& iniPath, const std::function<QString(const QString&)>& decode);

} // namespace tfx
