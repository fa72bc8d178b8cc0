#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tfx {

// A price tier of the price row: its title and percentage (null: the tier is inactive).
struct Tier
{
    QString title;
    std::optional<double> percentage;
    bool active() const { return percentage.has_value(); }
};

constexpr int TierCount = 6;

// The price of a tier: p × q ÷ 100 + p, taken in extended precision and rounded to a double
// only at the end; nothing is rounded to currency units.
double tierPrice(double standardPrice, double percentage);

// A column of the product grid as designed, and as the tier activation changes it.
struct GridColumn
{
    QString field;
    QString title;
    int width = 0;
    bool visible = true;
};

// The twelve designed columns: Produto, Descricao, Unidade, Estoque, Preco_Tabela, Grosso,
// then Preco01 ... Preco06, hidden.
QList<GridColumn> designedGridColumns();

constexpr int DescriptionColumn = 1;
constexpr int TierColumnWidth = 65;
constexpr int firstTierColumn()
{
    return 6;
}

// Shows the column of each active tier: 65 pixels taken from the description column, the tier's
// column made visible, 65 pixels wide and titled with the tier's title.
void activateTierColumns(QList<GridColumn>& columns, const QList<Tier>& tiers);

} // namespace tfx
