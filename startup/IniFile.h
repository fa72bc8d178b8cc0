#pragma once

#include <QString>
#include <QStringList>

namespace tfx {

// A Windows INI file read the way the Windows profile-string service reads it, which the shops'
// existing files rely on: section and key names compared without regard to case, blanks around
// names and values dropped, a value in matching single or double quotes loses them, the first
// matching section and key win, lines starting with ';' are comments, bytes are Windows-1252.
// A missing or unreadable file reads as empty, so every key takes its default.
class IniFile
{
public:
    static IniFile load(const QString& path);
    static IniFile fromBytes(const QByteArray& bytes);

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // The longest value the profile-string service hands back through the platform's reader.
    static constexpr int MaxValueLength = 2047;

private:
    QStringList m_lines;
};

} // namespace tfx
