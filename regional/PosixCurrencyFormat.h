#pragma once

namespace tfx {

// The Windows currency pattern codes (see RegionalSettings) that match the C library's
// monetary layout fields. A field the locale leaves unset (CHAR_MAX, as in the "C" locale)
// reads as symbol first, no space, sign in front.
int positiveCurrencyFormatFromPosix(int csPrecedes, int sepBySpace, int signPosn);
int negativeCurrencyFormatFromPosix(int csPrecedes, int sepBySpace, int signPosn);

} // namespace tfx
