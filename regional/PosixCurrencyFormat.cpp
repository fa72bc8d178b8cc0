#include "PosixCurrencyFormat.h"

namespace tfx {

namespace {

bool symbolFirst(int csPrecedes)
{
    return csPrecedes != 0;
}

// 0: no space; 1: space between symbol and value; 2: space beside the sign. Unset means 0.
int spacing(int sepBySpace)
{
    return sepBySpace == 1 || sepBySpace == 2 ? sepBySpace : 0;
}

// 0: parentheses; 1: sign before all; 2: sign after all; 3: sign just before the symbol;
// 4: sign just after the symbol. Unset means 1.
int signPosition(int signPosn)
{
    return signPosn >= 0 && signPosn <= 4 ? signPosn : 1;
}

} // namespace

int positiveCurrencyFormatFromPosix(int csPrecedes, int sepBySpace, int signPosn)
{
    // With a space beside the sign, the (usually empty) sign between value and symbol still
    // leaves its space there: "kr. 1" for Danish settings.
    const bool first = symbolFirst(csPrecedes);
    const int position = signPosition(signPosn);
    const bool signBetween = first ? position == 4 : position == 3;
    const bool spaced = spacing(sepBySpace) == 1 || (spacing(sepBySpace) == 2 && signBetween);
    if (first)
        return spaced ? 2 : 0; // "$ 1" : "$1"
    return spaced ? 3 : 1;     // "1 $" : "1$"
}

int negativeCurrencyFormatFromPosix(int csPrecedes, int sepBySpace, int signPosn)
{
    // Rows: sign position 0..4. Where the C layout has no Windows code ("$- 1", "- $1",
    // "1 -$") the nearest code keeps the order of sign, symbol and value.
    static constexpr int SymbolFirst[3][5] = {
        {0, 1, 3, 1, 2},    // no space:   ($1)  -$1   $1-   -$1   $-1
        {14, 9, 11, 9, 12}, // space:      ($ 1) -$ 1  $ 1-  -$ 1  $ -1
        {0, 1, 3, 1, 12},   // sign space: ($1)  -$1   $1-   -$1   $ -1
    };
    static constexpr int SymbolLast[3][5] = {
        {4, 5, 7, 6, 7},     // no space:   (1$)  -1$   1$-   1-$   1$-
        {15, 8, 10, 13, 10}, // space:      (1 $) -1 $  1 $-  1- $  1 $-
        {4, 5, 7, 13, 7},    // sign space: (1$)  -1$   1$-   1- $  1$-
    };
    const int space = spacing(sepBySpace);
    const int position = signPosition(signPosn);
    return symbolFirst(csPrecedes) ? SymbolFirst[space][position] : SymbolLast[space][position];
}

} // namespace tfx
