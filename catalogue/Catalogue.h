#pragma once

#include "Database.h"
#include "ProductSearch.h"
#include "Query.h"
#include "Table.h"
#include "TierPrices.h"

namespace tfx {

class Session;

// The data of the price lookup window: the connection Database1 (database Confeccao), the stock
// query QEstoque, the product query QProdutos with its stock lookup and tier prices, and the
// price table TTabelaPreco whose first row prices every product.
class Catalogue
{
public:
    explicit Catalogue(Session& session);

    Database& database1() { return m_database1; }
    Query& qEstoque() { return m_qEstoque; }
    Query& qProdutos() { return m_qProdutos; }
    Table& tTabelaPreco() { return m_tTabelaPreco; }

    // Opens QEstoque, then QProdutos, then TTabelaPreco; an error leaves the ones before open.
    void openDataSets();
    // Closes TTabelaPreco, QProdutos and QEstoque.
    void closeDataSets();

    // The six tiers of the price row (all inactive when the price table is closed or empty).
    QList<Tier> tiers() const;

    // Rewrites the filter and order lines of QProdutos and reopens QEstoque and QProdutos:
    // with the box's text for a search, with "AND 1 = 1" for the reset of entering a box.
    void search(SearchMode mode, const QString& text);
    void reset(SearchMode mode);

    // The calculation hook of QProdutos: the six tier prices of the row being fetched.
    void QProdutosCalcFields(DataSet& dataSet);

private:
    void rewriteAndReopen(const QString& filter, const QString& order);

    Database m_database1;
    Query m_qEstoque;
    Query m_qProdutos;
    Table m_tTabelaPreco;
    Field* m_precoTabela = nullptr;
    Field* m_preco[TierCount] = {};
};

} // namespace tfx
