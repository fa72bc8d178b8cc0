#pragma once

#include <QString>

namespace tfx {

// How the workstation shows amounts and numbers. The two pattern codes are the ones Windows
// uses, so the settings of either platform map onto one set of rules.
struct RegionalSettings
{
    // Where the symbol goes for a positive amount (Windows "iCurrency").
    enum PositiveCurrencyFormat
    {
        SymbolFirst = 0,       // $1
        SymbolLast = 1,        // 1$
        SymbolFirstSpaced = 2, // $ 1
        SymbolLastSpaced = 3,  // 1 $
    };

    // Where the symbol and the sign go for a negative amount (Windows "iNegCurr"), 0..15:
    // ($1) -$1 $-1 $1- (1$) -1$ 1-$ 1$- -1 $ -$ 1 1 $- $ 1- $ -1 1- $ ($ 1) (1 $)
    static constexpr int NegativeCurrencyFormatCount = 16;

    QString currencySymbol = QStringLiteral("$");
    int currencyDecimals = 2;
    QString decimalSeparator = QStringLiteral(".");
    QString thousandsSeparator = QStringLiteral(",");
    int positiveCurrencyFormat = SymbolFirst;
    int negativeCurrencyFormat = 0;

    bool operator==(const RegionalSettings&) const = default;
};

} // namespace tfx
