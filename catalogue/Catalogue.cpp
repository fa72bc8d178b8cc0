#include "Catalogue.h"

#include "CatalogueDeclarations.h"
#include "Exception.h"

namespace tfx {

namespace {
void declare(DataSet& dataSet, const DataSetDeclaration& declaration, DataSet* lookupSource)
{
    for (FieldDef def : declaration.fields) {
        if (def.use == FieldKindOfUse::Lookup)
            def.lookupDataSet = lookupSource;
        dataSet.addField(def);
    }
}
} // namespace

Catalogue::Catalogue(Session& session)
    : m_database1(session), m_qEstoque(qEstoqueDeclaration().name, m_database1),
      m_qProdutos(qProdutosDeclaration().name, m_database1),
      m_tTabelaPreco(tTabelaPrecoDeclaration().name, m_database1)
{
    m_qEstoque.sql() = qEstoqueDeclaration().sql;
    m_qProdutos.sql() = qProdutosDeclaration().sql;
    declare(m_qProdutos, qProdutosDeclaration(), &m_qEstoque);
    m_tTabelaPreco.setTableName(tTabelaPrecoDeclaration().tableName);
    m_tTabelaPreco.setIndexFieldNames(tTabelaPrecoDeclaration().indexFieldNames);
    declare(m_tTabelaPreco, tTabelaPrecoDeclaration(), nullptr);

    m_precoTabela = &m_qProdutos.fieldByName(QStringLiteral("Preco_Tabela"));
    for (int n = 1; n <= TierCount; ++n)
        m_preco[n - 1] = &m_qProdutos.fieldByName(QStringLiteral("Preco0%1").arg(n));
    m_qProdutos.onCalcFields = [this](DataSet& dataSet) { QProdutosCalcFields(dataSet); };
}

void Catalogue::openDataSets()
{
    m_qEstoque.open();
    m_qProdutos.open();
    m_tTabelaPreco.open();
}

void Catalogue::closeDataSets()
{
    m_tTabelaPreco.close();
    m_qProdutos.close();
    m_qEstoque.close();
}

QList<Tier> Catalogue::tiers() const
{
    QList<Tier> tiers;
    for (int n = 1; n <= TierCount; ++n) {
        Tier tier;
        const Field& title = m_tTabelaPreco.fieldByName(QStringLiteral("Titulo%1").arg(n));
        const Field& percent = m_tTabelaPreco.fieldByName(QStringLiteral("Percentual%1").arg(n));
        tier.title = title.asString();
        if (!percent.isNull())
            tier.percentage = percent.asFloat();
        tiers << tier;
    }
    return tiers;
}

void Catalogue::QProdutosCalcFields(DataSet&)
{
    const double p = m_precoTabela->asFloat();
    for (int n = 1; n <= TierCount; ++n) {
        const double q =
            m_tTabelaPreco.fieldByName(QStringLiteral("Percentual%1").arg(n)).asFloat();
        m_preco[n - 1]->setAsFloat(tierPrice(p, q));
    }
}

void Catalogue::search(SearchMode mode, const QString& text)
{
    rewriteAndReopen(searchFilterLine(mode, text), orderLine(mode));
}

void Catalogue::reset(SearchMode mode)
{
    rewriteAndReopen(resetFilterLine(), orderLine(mode));
}

void Catalogue::rewriteAndReopen(const QString& filter, const QString& order)
{
    m_qEstoque.close();
    m_qProdutos.close();
    QStringList& sql = m_qProdutos.sql();
    if (sql.size() <= OrderLine)
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(FilterLine));
    sql.removeAt(FilterLine);
    sql.removeAt(FilterLine);
    sql.append(filter);
    sql.append(order);
    m_qEstoque.open();
    m_qProdutos.open();
}

} // namespace tfx
