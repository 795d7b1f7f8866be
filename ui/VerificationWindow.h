#pragma once

#include "RowsTableModel.h"
#include "verify/Certificate.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <memory>
#include <vector>

class QTableView;

namespace ortavel {

class FormView;
class FrmVerify;

// The points of the run on show, as the FrmVerify gives them.
class VerificationTableModel : public RowsTableModel {
public:
    enum Column { Point, Direction, Nominal, Reference, Reading, Error, ErrorPct, Result, ColumnCount };

    explicit VerificationTableModel(const FrmVerify &form, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void refresh();

private:
    const FrmVerify &m_form;
    // The rows as of the last refresh: a cell must not work out the whole
    // sheet again.
    std::vector<verify::SheetLine> m_rows;
};

// The Verification window on screen: the plan, the point to take, the
// table, the verdict and the saves; it owns its model.
class VerificationWindow : public QWidget {
public:
    explicit VerificationWindow(std::unique_ptr<FrmVerify> model, QWidget *parent = nullptr);
    ~VerificationWindow() override;
    VerificationWindow(const VerificationWindow &) = delete;
    VerificationWindow &operator=(const VerificationWindow &) = delete;

    FrmVerify &model() const { return *m_model; }
    FormView &view() const { return *m_view; }
    QTableView *table() const { return m_table; }

private:
    std::unique_ptr<FrmVerify> m_model;
    FormView *m_view;
    VerificationTableModel *m_tableModel;
    QTableView *m_table;
};

} // namespace ortavel
