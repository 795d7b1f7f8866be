#include "ConfigurationWindows.h"

#include "FormView.h"
#include "QtText.h"
#include "QtWindowHost.h"
#include "cli/BackupJson.h"
#include "config/ConfigurationMenu.h"
#include "config/FrmApply.h"
#include "config/FrmCompare.h"
#include "mainwin/Ortavel.h"
#include "text/OperatorText.h"

#include <QApplication>
#include <QBrush>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

namespace ortavel {

namespace {
QTableView *makeTable(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *table = new QTableView(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setModel(model);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QHBoxLayout *rowOf(FormView &view, std::initializer_list<const Control *> controls, bool stretch)
{
    auto *row = new QHBoxLayout;
    for (const Control *control : controls)
        row->addWidget(view.widget(control->name()));
    if (stretch)
        row->addStretch(1);
    return row;
}

QVariant checkState(bool ticked)
{
    return ticked ? Qt::Checked : Qt::Unchecked;
}

// A value as read is shown as it is; a failure, "not read" and the
// calibration table's summary are texts of the window.
QString valueCell(const CompareRow &row, const std::string &text, bool isValue)
{
    return isValue && row.key != "calibration" ? toQt(text) : shown(text);
}
} // namespace

CompareTableModel::CompareTableModel(FrmCompare &form, QObject *parent)
    : RowsTableModel(static_cast<int>(form.rows().size()), parent), m_form(form)
{
}

int CompareTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CompareTableModel::data(const QModelIndex &index, int role) const
{
    const auto &rows = m_form.rows();
    if (index.row() < 0 || index.row() >= static_cast<int>(rows.size()))
        return {};
    const CompareRow &r = rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Write && r.offered)
        return checkState(r.ticked);
    if (role == Qt::ForegroundRole &&
        ((index.column() == Result && r.failed) || (index.column() == Transmitter && !r.deviceRead)))
        return QBrush(Qt::red);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Parameter:
        return toQt(r.key);
    case File:
        return valueCell(r, r.fileText, r.fileHasValue);
    case Transmitter:
        return valueCell(r, r.deviceText, r.deviceRead);
    case Differs:
        return r.differs ? QStringLiteral("\u2260")
                         : (r.fileHasValue && !r.deviceRead ? QStringLiteral("?") : QString());
    case Result:
        return shown(r.outcome);
    default:
        return {};
    }
}

bool CompareTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != Write)
        return false;
    m_form.setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags CompareTableModel::flags(const QModelIndex &index) const
{
    const auto &rows = m_form.rows();
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Write && index.row() >= 0 && index.row() < static_cast<int>(rows.size()) &&
        rows[static_cast<std::size_t>(index.row())].offered)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant CompareTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const kHeaders[] = {OT_TR("Ortavel", "Parameter"),   OT_TR("Ortavel", "File"),
                                           OT_TR("Ortavel", "Transmitter"), OT_TR("Ortavel", "Differs"),
                                           OT_TR("Ortavel", "Write"),       OT_TR("Ortavel", "Result")};
    return section >= 0 && section < ColumnCount ? QVariant(shown(kHeaders[section])) : QVariant();
}

void CompareTableModel::refresh()
{
    refreshRows(static_cast<int>(m_form.rows().size()));
}

ApplyTableModel::ApplyTableModel(FrmApply &form, QObject *parent)
    : RowsTableModel(static_cast<int>(form.targets().size()), parent), m_form(form)
{
}

int ApplyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ApplyTableModel::data(const QModelIndex &index, int role) const
{
    const auto &targets = m_form.targets();
    if (index.row() < 0 || index.row() >= static_cast<int>(targets.size()))
        return {};
    const ApplyTarget &t = targets[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Address)
        return checkState(t.ticked);
    if (role == Qt::ForegroundRole && t.state == ApplyTarget::State::Failed)
        return QBrush(Qt::red);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Address:
        return toQt(t.address);
    case Baud:
        return toQt(t.baud);
    case State:
        return shown(FrmApply::stateText(t.state));
    case Result:
        return shown(t.result);
    default:
        return {};
    }
}

bool ApplyTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != Address)
        return false;
    m_form.setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ApplyTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Address && !m_form.running())
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ApplyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const kHeaders[] = {OT_TR("Ortavel", "Transmitter"), OT_TR("Ortavel", "Baud"),
                                           OT_TR("Ortavel", "State"), OT_TR("Ortavel", "Result")};
    return section >= 0 && section < ColumnCount ? QVariant(shown(kHeaders[section])) : QVariant();
}

void ApplyTableModel::refresh()
{
    refreshRows(static_cast<int>(m_form.targets().size()));
}

CompareWindow::CompareWindow(std::unique_ptr<FrmCompare> model, QWidget *parent)
    : QWidget(parent), m_model(std::move(model))
{
    FrmCompare &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);
    m_tableModel = new CompareTableModel(m, this);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_view->widget(m.lblFile.name()));
    column->addWidget(m_view->widget(m.lblSource.name()));
    m_table = makeTable(this, "parameters", m_tableModel);
    column->addWidget(m_table, 1);
    column->addLayout(rowOf(*m_view, {&m.chkSave}, true));
    column->addWidget(m_view->widget(m.lblResult.name()));
    auto *buttons = rowOf(*m_view, {}, true);
    buttons->addWidget(m_view->widget(m.cmdRead.name()));
    buttons->addWidget(m_view->widget(m.cmdWrite.name()));
    column->addLayout(buttons);
    setProperty(QtWindowHost::kModalProperty, true);
    resize(760, 460);
    m.onRowsChanged = [this] { m_tableModel->refresh(); };
}

// The binders hold on to the model: they go first.
CompareWindow::~CompareWindow()
{
    m_model->onRowsChanged = nullptr;
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

ApplyWindow::ApplyWindow(std::unique_ptr<FrmApply> model, QWidget *parent) : QWidget(parent), m_model(std::move(model))
{
    FrmApply &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);
    m_tableModel = new ApplyTableModel(m, this);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_view->widget(m.lblFile.name()));
    m_table = makeTable(this, "transmitters", m_tableModel);
    column->addWidget(m_table, 1);
    column->addLayout(rowOf(*m_view, {&m.chkCalibration, &m.chkSave}, true));
    column->addWidget(m_view->widget(m.prgApply.name()));
    column->addWidget(m_view->widget(m.lblCurrent.name()));
    column->addWidget(m_view->widget(m.lblResult.name()));
    auto *buttons = rowOf(*m_view, {}, true);
    buttons->addWidget(m_view->widget(m.cmdCancel.name()));
    buttons->addWidget(m_view->widget(m.cmdApply.name()));
    column->addLayout(buttons);
    setProperty(QtWindowHost::kModalProperty, true);
    resize(640, 420);
    m.onRowsChanged = [this] { m_tableModel->refresh(); };
}

ApplyWindow::~ApplyWindow()
{
    m_model->onRowsChanged = nullptr;
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

std::shared_ptr<ConfigurationMenu> addConfigurationWindows(QtWindowHost &host, Ortavel &main)
{
    auto menu = std::make_shared<ConfigurationMenu>(main, host);
    // Asked at each opening: the dialog speaks the window's language of the moment.
    const auto filter = [] { return shown(OT_TR("Ortavel", "Configurations (*.json);;All files (*)")); };
    menu->chooseOpenFile = [filter]() -> std::optional<std::string> {
        const QString file = QFileDialog::getOpenFileName(
            QApplication::activeWindow(), shown(OT_TR("Ortavel", "Configuration file")), QString(), filter());
        return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
    };
    menu->chooseSaveFile = [filter](const std::string &suggested) -> std::optional<std::string> {
        const QString file = QFileDialog::getSaveFileName(
            QApplication::activeWindow(), shown(OT_TR("Ortavel", "Save configuration")), toQt(suggested), filter());

        return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
    };
    menu->readConfiguration = [](const std::string &path, std::string &error) -> std::optional<cli::BackupFile> {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            error = file.errorString().toStdString();
            return std::nullopt;
        }
        return cli::parseBackup(file.readAll(), error);
    };
    menu->writeConfiguration = [](const std::string &path, const cli::BackupFile &backup) {
        QSaveFile file(QString::fromStdString(path));
        const QByteArray json = cli::backupToJson(backup);
        return file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit();
    };
    // A window opens only for the file the menu has just checked.
    host.addWindowMaker(ConfigurationMenu::kCompareWindow, [&main, menu]() -> QWidget * {
        auto opened = menu->takeOpened();
        if (!opened)
            return nullptr;
        auto *window = new CompareWindow(std::make_unique<FrmCompare>(main, std::move(opened->file), opened->path));
        window->model().Form_Load();
        return window;
    });
    host.addWindowMaker(ConfigurationMenu::kApplyWindow, [&main, menu]() -> QWidget * {
        auto opened = menu->takeOpened();
        if (!opened)
            return nullptr;
        return new ApplyWindow(std::make_unique<FrmApply>(main, std::move(opened->file), opened->path));
    });
    return menu;
}

} // namespace ortavel
