#include "TierPrices.h"

namespace tfx {

double tierPrice(double standardPrice, double percentage)
{
    const long double p = standardPrice;
    const long double q = percentage;
    return static_cast<double>(p * q / 100.0L + p);
}

QList<GridColumn> designedGridColumns()
{
    QList<GridColumn> columns = {
        {QStringLiteral("Produto"), QStringLiteral("C\u00f3d."), 60, true},
        {QStringLiteral("Descricao"), QStringLiteral("Descri\u00e7\u00e3o"), 635, true},
        {QStringLiteral("Unidade"), QStringLiteral("Un."), 30, true},
        // No title set: the grid shows the field name.
        {QStringLiteral("Estoque"), QStringLiteral("Estoque"), 65, true},
        {QStringLiteral("Preco_Tabela"), QStringLiteral("$ padr\u00e3o"), 81, true},
        {QStringLiteral("Grosso"), QStringLiteral("$ especial"), 89, true},
    };
    for (int n = 1; n <= TierCount; ++n)
        columns.append({QStringLiteral("Preco0%1").arg(n), QStringLiteral("Preco %1").arg(n),
                        TierColumnWidth, false});
    return columns;
}

void activateTierColumns(QList<GridColumn>& columns, const QList<Tier>& tiers)
{
    for (int n = 1; n <= TierCount && n <= tiers.size(); ++n) {
        if (!tiers[n - 1].active())
            continue;
        columns[DescriptionColumn].width -= TierColumnWidth;
        GridColumn& tier = columns[5 + n];
        tier.visible = true;
        tier.width = TierColumnWidth;
        tier.title = tiers[n - 1].title;
    }
}

} // namespace tfx
