#pragma once

#include <QAbstractTableModel>

namespace ortavel {

// A table over rows a form holds. refreshRows tells the view of a changed
// count by a reset, and of values that may have changed by one dataChanged
// over every cell.
class RowsTableModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }

protected:
    RowsTableModel(int rows, QObject *parent) : QAbstractTableModel(parent), m_rows(rows) {}

    void refreshRows(int rows)
    {
        if (rows != m_rows) {
            beginResetModel();
            m_rows = rows;
            endResetModel();
        } else if (rows > 0) {
            emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
        }
    }

private:
    int m_rows = 0;
};

} // namespace ortavel
