#pragma once

#include "RegionalSettings.h"

#include <QMetaType>

namespace tfx::samples {

// Brazilian workstation settings: "R$ 1.234,56", "-R$ 1.234,56".
inline RegionalSettings brazilian()
{
    return {.currencySymbol = QStringLiteral("R$"),
            .currencyDecimals = 2,
            .decimalSeparator = QStringLiteral(","),
            .thousandsSeparator = QStringLiteral("."),
            .positiveCurrencyFormat = RegionalSettings::SymbolFirstSpaced,
            .negativeCurrencyFormat = 9};
}

// United States settings as Windows ships them: "$1,234.56", "($1,234.56)".
inline RegionalSettings unitedStates()
{
    return {.currencySymbol = QStringLiteral("$"),
            .currencyDecimals = 2,
            .decimalSeparator = QStringLiteral("."),
            .thousandsSeparator = QStringLiteral(","),
            .positiveCurrencyFormat = RegionalSettings::SymbolFirst,
            .negativeCurrencyFormat = 0};
}

} // namespace tfx::samples

Q_DECLARE_METATYPE(tfx::RegionalSettings)
