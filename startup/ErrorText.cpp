#include "ErrorText.h"

namespace tfx {

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString fatalBoxText(const QString& className, const QString& module, quintptr address,
                     const QString& message)
{
    QString text = message;
    if (!text.isEmpty() && !text.endsWith(u'.'))
        text += u'.';
    return QStringLiteral("Exception %1 in module %2 at %3.\n%4")
        .arg(className, module,
             QString::number(address, 16)
                 .toUpper()
                 .rightJustified(2 * sizeof(void*), QLatin1Char('0')),
             text);
}

QString applicationTitle(const QString& executablePath)
{
    // Both separators count: the name may come from a Windows path.
    QString name = executablePath.mid(
        qMax(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\')) + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

} // namespace tfx
