#pragma once

#include "TierPrices.h"

#include <QAbstractTableModel>

namespace tfx {

class DataSet;
struct RegionalSettings;

// The data source between a data set and the product grid: one row per fetched row, one
// column per grid column, cells as display text (Qt::DisplayRole) so that the grid and screen
// readers read the same text. Rows are fetched from the data set as the view asks for them.
class ProductGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ProductGridModel(DataSet& dataSet, const RegionalSettings& settings,
                     QObject* parent = nullptr);

    DataSet& dataSet() const { return m_dataSet; }

    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Regional settings changed: every cell's text may differ.
    void refreshTexts();

private:
    void resolveFields();

    DataSet& m_dataSet;
    const RegionalSettings& m_settings;
    QList<GridColumn> m_columns;
    QList<int> m_fieldOfColumn;
    int m_rows = 0;
};

} // namespace tfx
