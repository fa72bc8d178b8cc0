#pragma once

#include <QString>

namespace tfx {

// The three ways of narrowing the product list, each a filter line and an order line that take
// the places of lines 3 and 4 of the product query.
enum class SearchMode
{
    Description,
    Code,
    Reference
};

// Encloses text in single quotes, doubling every quote inside it: 50% D'ALVA -> '50% D''ALVA'.
QString quote(const QString& text);

// The filter line of a search with the box's text, used as typed.
QString searchFilterLine(SearchMode mode, const QString& text);
// The filter line of the reset run when a box is entered.
QString resetFilterLine();
QString orderLine(SearchMode mode);

} // namespace tfx
