#include "ProductGridModel.h"

#include "DataSet.h"

namespace tfx {

ProductGridModel::ProductGridModel(DataSet& dataSet, const RegionalSettings& settings,
                                   QObject* parent)
    : QAbstractTableModel(parent), m_dataSet(dataSet), m_settings(settings)
{
    connect(&m_dataSet, &DataSet::opened, this, [this] {
        beginResetModel();
        resolveFields();
        m_rows = m_dataSet.fetchedCount();
        endResetModel();
    });
    connect(&m_dataSet, &DataSet::closed, this, [this] {
        beginResetModel();
        m_rows = 0;
        endResetModel();
    });
    connect(&m_dataSet, &DataSet::rowsFetched, this, [this](int, int last) {
        if (last < m_rows)
            return;
        beginInsertRows(QModelIndex(), m_rows, last);
        m_rows = last + 1;
        endInsertRows();
    });
    connect(&m_dataSet, &DataSet::rowUpdated, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void ProductGridModel::setColumns(const QList<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    resolveFields();
    endResetModel();
}

void ProductGridModel::resolveFields()
{
    m_fieldOfColumn.clear();
    for (const GridColumn& column : m_columns) {
        const Field* field = m_dataSet.findField(column.field);
        m_fieldOfColumn << (field ? field->index() : -1);
    }
}

int ProductGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ProductGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ProductGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    const int field = m_fieldOfColumn.value(index.column(), -1);
    if (field < 0)
        return QVariant();
    const Field& f = *m_dataSet.fields()[size_t(field)];
    switch (role) {
    case Qt::DisplayRole:
        return Field::displayText(f.def(), m_dataSet.rowValue(index.row(), field), m_settings);
    case Qt::TextAlignmentRole:
        return int((f.isNumeric() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    default: return QVariant();
    }
}

QVariant ProductGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns[section].title;
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

bool ProductGridModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_dataSet.active() && !m_dataSet.allFetched();
}

void ProductGridModel::fetchMore(const QModelIndex& parent)
{
    if (!parent.isValid())
        m_dataSet.fetchMore(256);
}

void ProductGridModel::refreshTexts()
{
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
}

} // namespace tfx
