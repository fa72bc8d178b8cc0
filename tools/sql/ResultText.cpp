#include "ResultText.h"

#include <QDateTime>

namespace tfx {

QString resultText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double: return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("T") : QStringLiteral("F");
    case QMetaType::QDate: return value.toDate().toString(Qt::ISODate);
    case QMetaType::QTime: return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
    case QMetaType::QByteArray: return QString::fromLatin1(value.toByteArray().toHex());
    default: break;
    }
    QString text = value.toString();
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\t': escaped += QLatin1String("\\t"); break;
        case u'\n': escaped += QLatin1String("\\n"); break;
        case u'\r': escaped += QLatin1String("\\r"); break;
        case u'\\': escaped += QLatin1String("\\\\"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

} // namespace tfx
