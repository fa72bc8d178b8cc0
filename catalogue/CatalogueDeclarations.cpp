#include "CatalogueDeclarations.h"

namespace tfx {

namespace {
FieldDef data(const char* name, FieldType type, int size = 0)
{
    FieldDef def;
    def.name = QString::fromLatin1(name);
    def.type = type;
    def.size = size;
    return def;
}

FieldDef calculated(const QString& name, FieldType type)
{
    FieldDef def;
    def.name = name;
    def.use = FieldKindOfUse::Calculated;
    def.type = type;
    return def;
}
} // namespace

const DataSetDeclaration& qEstoqueDeclaration()
{
    static const DataSetDeclaration d{
        QStringLiteral("QEstoque"),
        {QStringLiteral("SELECT Produto, SUM(Quantidade) Estoque"), QStringLiteral("FROM Estoque"),
         QStringLiteral("WHERE Cancelado = 'F'"), QStringLiteral("GROUP BY Produto")},
        {},
        {},
        {},
        {}};
    return d;
}

const DataSetDeclaration& qProdutosDeclaration()
{
    static const DataSetDeclaration d = [] {
        DataSetDeclaration q;
        q.name = QStringLiteral("QProdutos");
        q.sql = {QStringLiteral("SELECT Produto, Descricao, Aplicacao, Preco_Tabela, Grosso, "
                                "Referencia, Unidade, Foto"),
                 QStringLiteral("FROM Cad_Produtos"), QStringLiteral("WHERE Inativo = 'F'"),
                 QStringLiteral("  AND 1 = 1"), QStringLiteral("ORDER BY Descricao")};
        FieldDef estoque;
        estoque.name = QStringLiteral("Estoque");
        estoque.use = FieldKindOfUse::Lookup;
        estoque.type = FieldType::Float;
        estoque.displayFormat = QStringLiteral("#,##0.###");
        estoque.keyFields = QStringLiteral("Produto");
        estoque.lookupKeyFields = QStringLiteral("Produto");
        estoque.lookupResultField = QStringLiteral("Estoque");
        q.lookupSource = QStringLiteral("QEstoque");
        q.fields = {estoque,
                    data("Produto", FieldType::String, 15),
                    data("Descricao", FieldType::String, 80),
                    data("Aplicacao", FieldType::String, 255),
                    data("Preco_Tabela", FieldType::Currency),
                    data("Grosso", FieldType::Currency),
                    data("Referencia", FieldType::String, 50),
                    data("Unidade", FieldType::String, 10)};
        for (int n = 1; n <= 6; ++n)
            q.fields << calculated(QStringLiteral("Preco0%1").arg(n), FieldType::Currency);
        q.fields << data("Foto", FieldType::String, 255);
        return q;
    }();
    return d;
}

const DataSetDeclaration& tTabelaPrecoDeclaration()
{
    static const DataSetDeclaration d = [] {
        DataSetDeclaration t;
        t.name = QStringLiteral("TTabelaPreco");
        t.tableName = QStringLiteral("TabelaPrecos");
        t.indexFieldNames = QStringLiteral("Inicio;Final");
        t.fields = {data("Inicio", FieldType::DateTime), data("Final", FieldType::DateTime)};
        for (int n = 1; n <= 6; ++n) {
            FieldDef title = data("", FieldType::String, 30);
            title.name = QStringLiteral("Titulo%1").arg(n);
            FieldDef percent = data("", FieldType::Float);
            percent.name = QStringLiteral("Percentual%1").arg(n);
            t.fields << title << percent;
        }
        return t;
    }();
    return d;
}

} // namespace tfx
