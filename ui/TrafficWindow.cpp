#include "TrafficWindow.h"

#include "FormView.h"
#include "QtText.h"
#include "text/OperatorText.h"
#include "traffic/FrmTraffic.h"
#include "traffic/TrafficLine.h"

#include <QBrush>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace ortavel {

namespace {

QString msText(double ms)
{
    return QString::number(ms, 'f', 1);
}

void fixRows(QTableView *table)
{
    // Fixed row heights keep 100,000 rows cheap to lay out.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
}

} // namespace

ExchangeTableModel::ExchangeTableModel(const FrmTraffic &form, QObject *parent)
    : QAbstractTableModel(parent), m_form(form), m_rows(form.rowCount())
{
}

int ExchangeTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ExchangeTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ExchangeTableModel::data(const QModelIndex &index, int role) const
{
    const ExchangeRecord *record = m_form.row(index.row());
    if (record == nullptr)
        return role == Qt::DisplayRole && index.column() == Time ? QVariant(shown(OT_TR("Ortavel", "(overwritten)")))
                                                                 : QVariant();
    if (role == Qt::ForegroundRole && index.column() == Result && record->result != ExchangeResult::Good)
        return QBrush(Qt::red);
    if (role == Qt::TextAlignmentRole && (index.column() == Time || index.column() == Duration))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Time:
        return QString::number(static_cast<double>(record->timeMs) / 1000.0, 'f', 3);
    case Baud:
        return record->baud;
    case Address:
        return QString::fromStdString(escapeBytes(record->address));
    case Request:
        return QString::fromStdString(escapeBytes(record->request));
    case Reply:
        return QString::fromStdString(escapeBytes(record->reply));
    case Result:
        return shown(resultName(record->result));
    case Duration:
        return QString::number(record->durationMs);
    default:
        return {};
    }
}

QVariant ExchangeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    // "ms" is a unit: it reads the same in every language.
    static const char *const kHeaders[] = {OT_TR("Ortavel", "Time (s)"),
                                           OT_TR("Ortavel", "Baud"),
                                           OT_TR("Ortavel", "Addr"),
                                           OT_TR("Ortavel", "Request"),
                                           OT_TR("Ortavel", "Reply"),
                                           OT_TR("Ortavel", "Result"),
                                           "ms"};
    return section >= 0 && section < ColumnCount ? QVariant(shown(kHeaders[section])) : QVariant();
}

bool ExchangeTableModel::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        announceTextsChanged(*this);
    return QAbstractTableModel::event(event);
}

void ExchangeTableModel::append(int first, int count)
{
    beginInsertRows({}, first, first + count - 1);
    m_rows += count;
    endInsertRows();
}

void ExchangeTableModel::removeFront(int count)
{
    beginRemoveRows({}, 0, count - 1);
    m_rows -= count;
    endRemoveRows();
}

void ExchangeTableModel::resetRows()
{
    beginResetModel();
    m_rows = m_form.rowCount();
    endResetModel();
}

StatisticsTableModel::StatisticsTableModel(const FrmTraffic &form, QObject *parent)
    : RowsTableModel(static_cast<int>(form.statistics().size()), parent), m_form(form)
{
}

int StatisticsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant StatisticsTableModel::data(const QModelIndex &index, int role) const
{
    if (index.row() >= static_cast<int>(m_form.statistics().size()))
        return {};
    const AddressStatistics &row = m_form.statistics()[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const bool timed = row.replies > 0;
    switch (index.column()) {
    case 0:
        return QString::fromStdString(escapeBytes(row.address));
    case 1:
        return QString::number(row.exchanges);
    case 2:
        return QString::number(row.noReply);
    case 3:
        return QString::number(row.badReply);
    case 4:
        return timed ? msText(row.meanMs) : QStringLiteral("-");
    case 5:
        return timed ? QString::number(row.p95Ms) : QStringLiteral("-");
    case 6:
        return timed ? QString::number(row.longestMs) : QStringLiteral("-");
    default:
        return {};
    }
}

QVariant StatisticsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const kHeaders[] = {OT_TR("Ortavel", "Addr"),      OT_TR("Ortavel", "Exchanges"),
                                           OT_TR("Ortavel", "No reply"),  OT_TR("Ortavel", "Bad reply"),
                                           OT_TR("Ortavel", "Mean ms"),   OT_TR("Ortavel", "p95 ms"),
                                           OT_TR("Ortavel", "Longest ms")};
    return section >= 0 && section < 7 ? QVariant(shown(kHeaders[section])) : QVariant();
}

void StatisticsTableModel::refresh()
{
    refreshRows(static_cast<int>(m_form.statistics().size()));
}

TrafficWindow::TrafficWindow(std::unique_ptr<FrmTraffic> model, QWidget *parent)
    : QWidget(parent), m_model(std::move(model))
{
    FrmTraffic &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);
    m_exchangeModel = new ExchangeTableModel(m, this);
    m_statisticsModel = new StatisticsTableModel(m, this);

    auto *column = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    for (const Control *control :
         std::initializer_list<const Control *>{&m.lblAddress, &m.cmbAddress, &m.chkPause, &m.cmdClear, &m.cmdSave})
        bar->addWidget(m_view->widget(control->name()));
    bar->addStretch(1);
    bar->addWidget(m_view->widget(m.lblCount.name()));
    column->addLayout(bar);

    m_statistics = new QTableView(this);
    m_statistics->setObjectName(QStringLiteral("statistics"));
    m_statistics->setModel(m_statisticsModel);
    fixRows(m_statistics);
    m_statistics->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_statistics->setMaximumHeight(m_statistics->verticalHeader()->defaultSectionSize() * 5 +
                                   m_statistics->horizontalHeader()->sizeHint().height() + 4);
    column->addWidget(m_statistics);

    m_exchanges = new QTableView(this);
    m_exchanges->setObjectName(QStringLiteral("exchanges"));
    m_exchanges->setModel(m_exchangeModel);
    fixRows(m_exchanges);
    m_exchanges->horizontalHeader()->setStretchLastSection(false);
    m_exchanges->horizontalHeader()->setSectionResizeMode(ExchangeTableModel::Request, QHeaderView::Stretch);
    m_exchanges->horizontalHeader()->setSectionResizeMode(ExchangeTableModel::Reply, QHeaderView::Stretch);
    column->addWidget(m_exchanges, 1);
    resize(820, 560);

    m.onRowsAppended = [this](int first, int count) {
        const bool follow = atEnd();
        m_exchangeModel->append(first, count);
        if (follow)
            m_exchanges->scrollToBottom();
    };
    m.onRowsRemoved = [this](int count) { m_exchangeModel->removeFront(count); };
    m.onRowsReset = [this] {
        m_exchangeModel->resetRows();
        m_exchanges->scrollToBottom();
    };
    m.onStatisticsChanged = [this] { m_statisticsModel->refresh(); };
    m.chooseSaveFile = [this](const std::string &suggested) -> std::optional<std::string> {
        const QString file =
            QFileDialog::getSaveFileName(this, shown(OT_TR("Ortavel", "Save traffic")),
                                         QString::fromStdString(suggested), shown(OT_TR("Ortavel", "CSV (*.csv)")));

        return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
    };
    m_exchanges->scrollToBottom();
}

// The binders hold on to the model: they go first.
TrafficWindow::~TrafficWindow()
{
    m_model->onRowsAppended = nullptr;
    m_model->onRowsRemoved = nullptr;
    m_model->onRowsReset = nullptr;
    m_model->onStatisticsChanged = nullptr;
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

// At the end, or with nothing to scroll: new rows keep the end in view.
bool TrafficWindow::atEnd() const
{
    const QScrollBar *bar = m_exchanges->verticalScrollBar();
    return bar->value() >= bar->maximum();
}

} // namespace ortavel
