#include "Query.h"

#include "Connection.h"

#include <QRegularExpression>

namespace tfx {

std::unique_ptr<Cursor> Query::openCursor(Connection& connection)
{
    return connection.query(sqlText());
}

QString Query::updateTable() const
{
    static const QRegularExpression single(
        QStringLiteral("^\\s*SELECT\\s.*?\\sFROM\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*(WHERE\\s.*|"
                       "ORDER\\s+BY\\s.*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression grouped(
        QStringLiteral("\\b(GROUP\\s+BY|JOIN|UNION|DISTINCT|HAVING)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = sqlText();
    const auto match = single.match(text);
    if (!match.hasMatch() || grouped.match(text).hasMatch())
        return QString();
    return match.captured(1);
}

} // namespace tfx
