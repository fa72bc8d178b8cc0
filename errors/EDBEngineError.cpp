#include "EDBEngineError.h"

#include <QStringList>

namespace tfx {

EDBEngineError::EDBEngineError(QList<Entry> entries)
    : Exception(messageOf(entries)), m_entries(std::move(entries))
{}

EDBEngineError::EDBEngineError(int code, const QString& text)
    : EDBEngineError(QList<Entry>{Entry{code, text}})
{}

QString EDBEngineError::messageOf(const QList<Entry>& entries)
{
    QStringList lines;
    for (const Entry& e : entries) {
        if (!e.text.isEmpty())
            lines << e.text;
    }
    if (!lines.isEmpty())
        return lines.join(QLatin1Char('\n'));
    const int code = entries.isEmpty() ? 0 : entries.first().code;
    return QStringLiteral("BDE error $") +
           QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace tfx
