#include "IniFile.h"

#include "Windows1252.h"

#include <QFile>

namespace tfx {

namespace {

// Blanks the profile-string service drops around names and values.
QString trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniFile();
    return fromBytes(file.readAll());
}

IniFile IniFile::fromBytes(const QByteArray& bytes)
{
    IniFile ini;
    const QString text = windows1252ToString(bytes);
    for (const QString& line : text.split(QLatin1Char('\n')))
        ini.m_lines << (line.endsWith(u'\r') ? line.chopped(1) : line);
    return ini;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    bool inSection = false;
    bool sectionSeen = false;
    for (const QString& rawLine : m_lines) {
        const QString line = trimmedBlanks(rawLine);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            if (sectionSeen)
                break; // only the first section of that name counts
            const qsizetype close = line.indexOf(u']');
            const QString name =
                trimmedBlanks(QStringView(line).mid(1, close < 0 ? -1 : close - 1));
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = inSection;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (trimmedBlanks(QStringView(line).left(eq)).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        return unquoted(trimmedBlanks(QStringView(line).mid(eq + 1))).left(MaxValueLength);
    }
    return defaultValue;
}

} // namespace tfx
