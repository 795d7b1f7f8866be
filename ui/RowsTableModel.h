#pragma once

#include <QAbstractTableModel>
#include <QEvent>

namespace ortavel {

// Tells the views of `model` that every header and cell may read
// differently: the window's language changed, and texts are translated as
// they are shown.
inline void announceTextsChanged(QAbstractItemModel &model)
{
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (columns > 0)
        emit model.headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0 && columns > 0)
        emit model.dataChanged(model.index(0, 0), model.index(rows - 1, columns - 1));
}

// A table over rows a form holds. refreshRows tells the view of a changed
// count by a reset, and of values that may have changed by one dataChanged
// over every cell. A change of language reaches it from the window it
// belongs to, and its views show every text afresh.
class RowsTableModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            announceTextsChanged(*this);
        return QAbstractTableModel::event(event);
    }

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
