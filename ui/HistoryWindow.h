#pragma once

#include "RowsTableModel.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QTableView;

namespace ortavel {

class FormView;
class FrmHistory;

// A table over rows the model holds, its columns and texts given by
// functions; a marked row is drawn highlighted. Every refresh is a reset:
// the columns of the drift table come and go with the runs.
class TextTableModel : public QAbstractTableModel {
public:
    using Headers = std::function<QStringList()>;
    using Count = std::function<int()>;
    using Cell = std::function<QString(int row, int column)>;
    using Marked = std::function<bool(int row)>;

    TextTableModel(Headers headers, Count count, Cell cell, Marked marked, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool event(QEvent *event) override;
    void refresh();

private:
    Headers m_headers;
    Count m_count;
    Cell m_cell;
    Marked m_marked;
    QStringList m_shownHeaders;
    int m_rows = 0;
};

// The History window on screen: the transmitters and those due on the
// left; the chosen one's changes, snapshot comparison and drift on the
// right. It owns its model, made afresh for every opening.
class HistoryWindow : public QWidget {
public:
    explicit HistoryWindow(std::unique_ptr<FrmHistory> model, QWidget *parent = nullptr);
    ~HistoryWindow() override;
    HistoryWindow(const HistoryWindow &) = delete;
    HistoryWindow &operator=(const HistoryWindow &) = delete;

    FrmHistory &model() const { return *m_model; }
    FormView &view() const { return *m_view; }
    QTableView *table(const QString &name) const;

    // The background of a marked row.
    static QColor markColor();

private:
    QTableView *addTable(const QString &name, TextTableModel *model);

    std::unique_ptr<FrmHistory> m_model;
    FormView *m_view;
    std::vector<TextTableModel *> m_tables;
};

} // namespace ortavel
