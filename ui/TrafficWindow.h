#pragma once

#include "RowsTableModel.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <memory>
#include <string>

class QTableView;

namespace ortavel {

class FormView;
class FrmTraffic;

// The exchanges of a FrmTraffic as table rows. It counts the rows it has
// announced, so the view sees appends and removals, never a reset for them.
class ExchangeTableModel : public QAbstractTableModel {
public:
    enum Column { Time, Baud, Address, Request, Reply, Result, Duration, ColumnCount };

    explicit ExchangeTableModel(const FrmTraffic &form, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool event(QEvent *event) override;

    void append(int first, int count);

    void removeFront(int count);
    void resetRows();

private:
    const FrmTraffic &m_form;
    int m_rows = 0;
};

// The per-address statistics as a small table.
class StatisticsTableModel : public RowsTableModel {
public:
    explicit StatisticsTableModel(const FrmTraffic &form, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void refresh();

private:
    const FrmTraffic &m_form;
};

// The Traffic window on screen: filter and buttons on top, the statistics,
// then the exchanges; it owns its model, made afresh for every opening.
class TrafficWindow : public QWidget {
public:
    explicit TrafficWindow(std::unique_ptr<FrmTraffic> model, QWidget *parent = nullptr);
    ~TrafficWindow() override;
    TrafficWindow(const TrafficWindow &) = delete;
    TrafficWindow &operator=(const TrafficWindow &) = delete;

    FrmTraffic &model() const { return *m_model; }
    FormView &view() const { return *m_view; }
    QTableView *exchanges() const { return m_exchanges; }
    QTableView *statistics() const { return m_statistics; }

private:
    bool atEnd() const;

    std::unique_ptr<FrmTraffic> m_model;
    FormView *m_view;
    ExchangeTableModel *m_exchangeModel;
    StatisticsTableModel *m_statisticsModel;
    QTableView *m_exchanges;
    QTableView *m_statistics;
};

} // namespace ortavel
