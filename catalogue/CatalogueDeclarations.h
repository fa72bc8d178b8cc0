#pragma once

#include "FieldDef.h"

#include <QList>
#include <QStringList>

namespace tfx {

// The catalogue's data sets as the window's form describes them: query lines, table and index,
// and declared fields in field-list order. Lookup fields name their source by data-set name.
struct DataSetDeclaration
{
    QString name;
    QStringList sql;   // queries
    QString tableName; // tables
    QString indexFieldNames;
    QList<FieldDef> fields; // empty: the columns as the engine returns them
    QString lookupSource;   // data set of the lookup fields
};

const DataSetDeclaration& qEstoqueDeclaration();
const DataSetDeclaration& qProdutosDeclaration();
const DataSetDeclaration& tTabelaPrecoDeclaration();

// Indexes of the product query's filter and order lines.
constexpr int FilterLine = 3;
constexpr int OrderLine = 4;

} // namespace tfx
