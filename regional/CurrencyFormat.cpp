#include "CurrencyFormat.h"

#include "DisplayDecimal.h"

#include <array>
#include <cmath>

namespace tfx {

namespace {

// '$' stands for the symbol, '1' for the amount; every other character is shown as it is.
constexpr std::array<const char*, 4> PositiveTemplates = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<const char*, RegionalSettings::NegativeCurrencyFormatCount> NegativeTemplates =
    {"($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
     "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

template <std::size_t N>
QString fillTemplate(const std::array<const char*, N>& templates, int code, const QString& symbol,
                     const QString& amount)
{
    // A code outside the table, as a damaged registry value might give, takes the first one.
    const char* pattern = templates[code >= 0 && code < int(N) ? code : 0];
    QString text;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '$')
            text += symbol;
        else if (*p == '1')
            text += amount;
        else
            text += QLatin1Char(*p);
    }
    return text;
}

// The digits grouped by threes; "0" for an empty digit string.
QString groupThousands(const QByteArray& integerDigits, const QString& separator)
{
    if (integerDigits.isEmpty())
        return QStringLiteral("0");
    QString text;
    for (qsizetype i = 0; i < integerDigits.size(); ++i) {
        const qsizetype remaining = integerDigits.size() - i;
        if (i > 0 && remaining % 3 == 0)
            text += separator;
        text += QLatin1Char(integerDigits[i]);
    }
    return text;
}

} // namespace

QString formatCurrency(double value, const RegionalSettings& settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const DisplayDecimal rounded = DisplayDecimal::fromDouble(value, settings.currencyDecimals);
    QString amount = groupThousands(rounded.integerDigits, settings.thousandsSeparator);
    if (!rounded.fractionDigits.isEmpty())
        amount += settings.decimalSeparator + QLatin1StringView(rounded.fractionDigits);

    if (rounded.negative)
        return fillTemplate(NegativeTemplates, settings.negativeCurrencyFormat,
                            settings.currencySymbol, amount);
    return fillTemplate(PositiveTemplates, settings.positiveCurrencyFormat, settings.currencySymbol,
                        amount);
}

QString formatCurrency(std::optional<double> value, const RegionalSettings& settings)
{
    return value ? formatCurrency(*value, settings) : QString();
}

} // namespace tfx
