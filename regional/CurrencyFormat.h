#pragma once

#include "RegionalSettings.h"

#include <QString>
#include <optional>

namespace tfx {

// An amount in the regional currency format: "R$ 1.234,56", "-R$ 1.234,56" under Brazilian
// settings. Rounded as DisplayDecimal describes; a negative amount that rounds to zero shows
// as zero. Infinite and NaN values show as "INF", "-INF" and "NAN".
QString formatCurrency(double value, const RegionalSettings& settings);

// A null amount shows as empty text.
QString formatCurrency(std::optional<double> value, const RegionalSettings& settings);

} // namespace tfx
