#include "ProductSearch.h"

namespace tfx {

QString quote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString searchFilterLine(SearchMode mode, const QString& text)
{
    switch (mode) {
    case SearchMode::Description:
        return QStringLiteral("AND Descricao LIKE ") + quote(u'%' + text + u'%');
    case SearchMode::Code:
        return QStringLiteral("AND Produto = ") + quote(text);
    case SearchMode::Reference:
        return QStringLiteral("AND Referencia LIKE ") + quote(u'%' + text + u'%');
    }
    return resetFilterLine();
}

QString resetFilterLine()
{
    return QStringLiteral("AND 1 = 1");
}

QString orderLine(SearchMode mode)
{
    switch (mode) {
    case SearchMode::Description:
        return QStringLiteral("ORDER BY Descricao");
    case SearchMode::Code:
        return QStringLiteral("ORDER BY Produto");
    case SearchMode::Reference:
        return QStringLiteral("ORDER BY Referencia");
    }
    return QString();
}

} // namespace tfx
