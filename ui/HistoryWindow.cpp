#include "HistoryWindow.h"

#include "FormView.h"
#include "QtText.h"
#include "history/FrmHistory.h"
#include "text/OperatorText.h"

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace ortavel {

namespace {

QString dateOf(std::int64_t timeMs, int offsetMinutes)
{
    return toQt(FrmHistory::dateText(timeMs, offsetMinutes));
}

QString dayOf(std::int64_t timeMs, int offsetMinutes)
{
    return dateOf(timeMs, offsetMinutes).left(10);
}

QString errorText(const std::optional<double> &error)
{
    return error ? QString::number(*error, 'g', 6) : QStringLiteral("-");
}

} // namespace

TextTableModel::TextTableModel(Headers headers, Count count, Cell cell, Marked marked, QObject *parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)), m_count(std::move(count)), m_cell(std::move(cell)),
      m_marked(std::move(marked)), m_shownHeaders(m_headers()), m_rows(m_count())
{
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shownHeaders.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (index.row() >= m_rows || index.column() >= m_shownHeaders.size())
        return {};
    if (role == Qt::BackgroundRole && m_marked && m_marked(index.row()))
        return QBrush(HistoryWindow::markColor());
    if (role != Qt::DisplayRole)
        return {};
    return m_cell(index.row(), index.column());
}

bool TextTableModel::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The headers are taken anew in the new language; a reset only where
        // the columns did not stay the same.
        const QStringList headers = m_headers();
        if (headers.size() == m_shownHeaders.size()) {
            m_shownHeaders = headers;
            announceTextsChanged(*this);
        } else {
            refresh();
        }
    }
    return QAbstractTableModel::event(event);
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_shownHeaders.size())
        return {};
    return m_shownHeaders.at(section);
}

void TextTableModel::refresh()
{
    beginResetModel();
    m_shownHeaders = m_headers();
    m_rows = m_count();
    endResetModel();
}

QColor HistoryWindow::markColor()
{
    return {0xff, 0xe0, 0xa0};
}

HistoryWindow::HistoryWindow(std::unique_ptr<FrmHistory> model, QWidget *parent)
    : QWidget(parent), m_model(std::move(model))
{
    FrmHistory &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);
    const auto w = [this](const Control &control) { return m_view->widget(control.name()); };
    const auto bar = [&w](std::initializer_list<const Control *> controls, bool stretch) {
        auto *row = new QHBoxLayout;
        for (const Control *control : controls)
            row->addWidget(w(*control));
        if (stretch)
            row->addStretch(1);
        return row;
    };
    const auto fixed = [](std::initializer_list<const char *> headers) {
        return [texts = std::vector<const char *>(headers)] {
            QStringList shownHeaders;
            for (const char *text : texts)
                shownHeaders << shown(text);
            return shownHeaders;
        };
    };
    const auto count = [](const auto &rows) { return [&rows] { return static_cast<int>(rows.size()); }; };

    auto *transmitters = new TextTableModel(
        fixed({OT_TR("Ortavel", "ID"), OT_TR("Ortavel", "Type"), OT_TR("Ortavel", "Last seen"),
               OT_TR("Ortavel", "Port"), OT_TR("Ortavel", "Addr"), OT_TR("Ortavel", "Last verified"),
               OT_TR("Ortavel", "Verdict"), OT_TR("Ortavel", "Next due"), OT_TR("Ortavel", "Changed since")}),
        count(m.transmitters()),
        [&m](int row, int column) -> QString {
            const TransmitterSummary &t = m.transmitters()[static_cast<std::size_t>(row)];
            const int offset = t.lastSeenOffsetMinutes;
            switch (column) {
            case 0:
                return toQt(t.ident);
            case 1:
                return toQt(t.type);
            case 2:
                return dateOf(t.lastSeenMs, offset);
            case 3:
                return toQt(t.lastPort);
            case 4:
                return toQt(t.lastAddress);
            case 5:
                return t.lastVerificationMs ? dayOf(*t.lastVerificationMs, offset) : shown(OT_TR("Ortavel", "never"));
            case 6:
                return shown(t.lastVerdict);
            case 7:
                return t.dueMs ? dayOf(*t.dueMs, offset) : QStringLiteral("-");
            default:
                return t.changedSinceVerification ? shown(OT_TR("Ortavel", "changed")) : QString();
            }
        },
        [&m](int row) { return m.transmitters()[static_cast<std::size_t>(row)].changedSinceVerification; }, this);
    auto *due = new TextTableModel(
        fixed({OT_TR("Ortavel", "ID"), OT_TR("Ortavel", "Type"), OT_TR("Ortavel", "Due"), OT_TR("Ortavel", "Port"),
               OT_TR("Ortavel", "Addr")}),
        count(m.due()),
        [&m](int row, int column) -> QString {
            const TransmitterSummary &t = m.due()[static_cast<std::size_t>(row)];
            const QStringList cells = {toQt(t.ident), toQt(t.type), dayOf(*t.dueMs, t.lastSeenOffsetMinutes),
                                       toQt(t.lastPort), toQt(t.lastAddress)};
            return cells.at(column);
        },
        {}, this);
    auto *changes = new TextTableModel(
        fixed({OT_TR("Ortavel", "Time"), OT_TR("Ortavel", "Kind"), OT_TR("Ortavel", "Addr"),
               OT_TR("Ortavel", "Parameter"), OT_TR("Ortavel", "Before"), OT_TR("Ortavel", "Sent"),
               OT_TR("Ortavel", "Echo"), OT_TR("Ortavel", "Result"), OT_TR("Ortavel", "By")}),
        count(m.changes()),
        [&m](int row, int column) -> QString {
            const HistoryEntry &e = m.changes()[static_cast<std::size_t>(row)];
            const std::string by =
                e.origin.operatorName.empty() ? e.origin.login : e.origin.operatorName + " (" + e.origin.login + ")";
            const QStringList cells = {dateOf(e.timeMs, e.utcOffsetMinutes),
                                       shown(std::string(kindName(e.kind))),
                                       toQt(e.address),
                                       toQt(e.parameter),
                                       toQt(e.before),
                                       toQt(e.sent),
                                       toQt(e.echo),
                                       shown(e.result),
                                       toQt(by + "@" + e.origin.host)};
            return cells.at(column);
        },
        [&m](int row) { return m.changes()[static_cast<std::size_t>(row)].result != kConfirmed; }, this);
    auto *comparison = new TextTableModel(
        [&m] {
            return QStringList{shown(OT_TR("Ortavel", "Parameter")), toQt(m.cmbFirst.text()), toQt(m.cmbSecond.text())};
        },
        count(m.comparison()),
        [&m](int row, int column) -> QString {
            const SnapshotRow &r = m.comparison()[static_cast<std::size_t>(row)];
            return toQt(column == 0 ? r.parameter : column == 1 ? r.first : r.second);
        },
        [&m](int row) { return m.comparison()[static_cast<std::size_t>(row)].differs; }, this);
    auto *drift = new TextTableModel(
        [&m] {
            QStringList headers = {shown(OT_TR("Ortavel", "Run")), shown(OT_TR("Ortavel", "Time")),
                                   shown(OT_TR("Ortavel", "Verdict"))};
            for (const double nominal : m.driftNominals())
                headers << shown(fill(OT_TR("Ortavel", "Error at %1"), {fromQt(QStringLiteral("%1").arg(nominal))}));
            return headers;
        },
        count(m.runs()),
        [&m](int row, int column) -> QString {
            const HistoryEntry &run = m.runs()[static_cast<std::size_t>(row)];
            if (column == 0)
                return toQt(run.parameter);
            if (column == 1)
                return dateOf(run.timeMs, run.utcOffsetMinutes);
            if (column == 2)
                return shown(run.result);
            return errorText(m.driftError(row, column - 3));
        },
        [&m](int row) { return m.runs()[static_cast<std::size_t>(row)].result != "pass"; }, this);
    m_tables = {transmitters, due, changes, comparison, drift};

    auto *column = new QVBoxLayout(this);
    auto *top = bar({&m.lblStatus}, true);
    for (const Control *control : std::initializer_list<const Control *>{&m.lblOperator, &m.txtOperator, &m.cmdRefresh})
        top->addWidget(w(*control));
    column->addLayout(top);

    auto *halves = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(addTable(QStringLiteral("transmitters"), transmitters), 2);
    left->addLayout(bar({&m.lblDueDays, &m.txtDueDays}, true));
    left->addWidget(addTable(QStringLiteral("due"), due), 1);
    halves->addLayout(left, 2);

    auto *right = new QVBoxLayout;
    right->addLayout(bar({&m.lblTransmitter, &m.cmbTransmitter, &m.lblInterval, &m.txtInterval, &m.cmdInterval}, true));
    right->addLayout(bar({&m.lblParameter, &m.cmbParameter, &m.lblSince, &m.txtSince, &m.cmdSaveCsv}, true));
    right->addWidget(addTable(QStringLiteral("changes"), changes), 2);
    right->addLayout(bar({&m.lblFirst, &m.cmbFirst, &m.lblSecond, &m.cmbSecond}, true));
    auto *lower = new QHBoxLayout;
    lower->addWidget(addTable(QStringLiteral("comparison"), comparison), 1);
    lower->addWidget(addTable(QStringLiteral("drift"), drift), 2);
    right->addLayout(lower, 2);
    halves->addLayout(right, 3);
    column->addLayout(halves, 1);
    resize(1200, 720);

    for (const auto &[field, label] : {std::pair{&m.txtOperator, &m.lblOperator},
                                       {&m.txtInterval, &m.lblInterval},
                                       {&m.txtDueDays, &m.lblDueDays},
                                       {&m.txtSince, &m.lblSince}})
        m_view->nameBy(field->name(), *label);

    m.onTablesChanged = [this] {
        for (TextTableModel *table : m_tables)
            table->refresh();
    };
    m.chooseSaveFile = [this](const std::string &suggested) -> std::optional<std::string> {
        const QString file = QFileDialog::getSaveFileName(this, shown(OT_TR("Ortavel", "Save changes")),
                                                          toQt(suggested), shown(OT_TR("Ortavel", "CSV (*.csv)")));

        return file.isEmpty() ? std::nullopt : std::optional(fromQt(file));
    };
}

// The binders hold on to the model: they go first.
HistoryWindow::~HistoryWindow()
{
    m_model->onTablesChanged = nullptr;
    m_model->chooseSaveFile = nullptr;
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

QTableView *HistoryWindow::table(const QString &name) const
{
    return findChild<QTableView *>(name);
}

QTableView *HistoryWindow::addTable(const QString &name, TextTableModel *model)
{
    auto *table = new QTableView(this);
    table->setObjectName(name);
    table->setModel(model);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace ortavel
