#pragma once

#include "RowsTableModel.h"

#include <QWidget>

#include <memory>

class QTableView;

namespace ortavel {

class ConfigurationMenu;
class FormView;
class FrmApply;
class FrmCompare;
class Ortavel;
class QtWindowHost;

// The Compare window's rows: parameter, file, transmitter, a mark where they
// differ, the tick to write, and what became of the write.
class CompareTableModel : public RowsTableModel {
public:
    enum Column { Parameter, File, Transmitter, Differs, Write, Result, ColumnCount };

    explicit CompareTableModel(FrmCompare &form, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void refresh();

private:
    FrmCompare &m_form;
};

// The Apply window's rows: transmitter, rate, the tick, state and result.
class ApplyTableModel : public RowsTableModel {
public:
    enum Column { Address, Baud, State, Result, ColumnCount };

    explicit ApplyTableModel(FrmApply &form, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void refresh();

private:
    FrmApply &m_form;
};

// Both windows are modal: while one is open the main window's selection and
// line stay as they are.
class CompareWindow : public QWidget {
public:
    explicit CompareWindow(std::unique_ptr<FrmCompare> model, QWidget *parent = nullptr);
    ~CompareWindow() override;
    CompareWindow(const CompareWindow &) = delete;
    CompareWindow &operator=(const CompareWindow &) = delete;

    FrmCompare &model() const { return *m_model; }
    FormView &view() const { return *m_view; }
    QTableView *table() const { return m_table; }

private:
    std::unique_ptr<FrmCompare> m_model;
    FormView *m_view;
    CompareTableModel *m_tableModel;
    QTableView *m_table;
};

class ApplyWindow : public QWidget {
public:
    explicit ApplyWindow(std::unique_ptr<FrmApply> model, QWidget *parent = nullptr);
    ~ApplyWindow() override;
    ApplyWindow(const ApplyWindow &) = delete;
    ApplyWindow &operator=(const ApplyWindow &) = delete;

    FrmApply &model() const { return *m_model; }
    FormView &view() const { return *m_view; }
    QTableView *table() const { return m_table; }

private:
    std::unique_ptr<FrmApply> m_model;
    FormView *m_view;
    ApplyTableModel *m_tableModel;
    QTableView *m_table;
};

// The Configuration menu of the main window with its file dialogs and files,
// and its two windows made for the file it checked.
std::shared_ptr<ConfigurationMenu> addConfigurationWindows(QtWindowHost &host, Ortavel &main);

} // namespace ortavel
