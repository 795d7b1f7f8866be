#include "VerificationWindow.h"

#include "FormView.h"
#include "QtText.h"
#include "adapters/CertificatePdf.h"
#include "adapters/FileDigest.h"
#include "adapters/TextTranslator.h"
#include "mainwin/Ortavel.h"
#include "text/OperatorText.h"
#include "verify/FrmVerify.h"

#include <QBrush>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace ortavel {

VerificationTableModel::VerificationTableModel(const FrmVerify &form, QObject *parent)
    : RowsTableModel(static_cast<int>(form.rows().size()), parent), m_form(form), m_rows(form.rows())
{
}

int VerificationTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VerificationTableModel::data(const QModelIndex &index, int role) const
{
    const auto &rows = m_rows;
    if (index.row() < 0 || index.row() >= static_cast<int>(rows.size()))
        return {};
    const verify::SheetLine &l = rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::ForegroundRole && index.column() == Result && !l.result.empty() && l.result != "pass")
        return QBrush(Qt::red);
    if (role == Qt::TextAlignmentRole)
        return int((index.column() >= Nominal && index.column() <= ErrorPct ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == Direction)
        return shown(l.direction);
    if (index.column() == Result)
        return shown(l.unstable ? fill(OT_TR("Ortavel", "%1 (unstable)"), {l.result}) : l.result);
    // The numbers as the sheet holds them.
    const std::string *values[] = {&l.point,   &l.direction, &l.nominal,  &l.reference,
                                   &l.reading, &l.error,     &l.errorPct, &l.result};
    return toQt(*values[index.column()]);
}

QVariant VerificationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const kHeaders[] = {OT_TR("Ortavel", "Point %"), OT_TR("Ortavel", "Dir."),
                                           OT_TR("Ortavel", "Nominal"), OT_TR("Ortavel", "Reference"),
                                           OT_TR("Ortavel", "Reading"), OT_TR("Verification", "Error"),
                                           OT_TR("Ortavel", "Error %"), OT_TR("Ortavel", "Result")};
    return section >= 0 && section < ColumnCount ? QVariant(shown(kHeaders[section], "Verification")) : QVariant();
}

void VerificationTableModel::refresh()
{
    m_rows = m_form.rows();
    refreshRows(static_cast<int>(m_rows.size()));
}

VerificationWindow::VerificationWindow(std::unique_ptr<FrmVerify> model, QWidget *parent)
    : QWidget(parent), m_model(std::move(model))
{
    FrmVerify &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);
    m_tableModel = new VerificationTableModel(m, this);
    const auto w = [this](const Control &control) { return m_view->widget(control.name()); };

    auto *column = new QVBoxLayout(this);
    auto *plan = new QGridLayout;
    const std::pair<const Control *, const Control *> fields[] = {{&m.lblPoints, &m.txtPoints},
                                                                  {&m.lblTolerance, &m.txtTolerance},
                                                                  {&m.lblSamples, &m.txtSamples},
                                                                  {&m.lblOperator, &m.txtOperator},
                                                                  {&m.lblInstrument, &m.txtInstrument},
                                                                  {&m.lblSerial, &m.txtSerial},
                                                                  {&m.lblCertificate, &m.txtCertificate},
                                                                  {&m.lblDue, &m.txtDue},
                                                                  {&m.lblUncertainty, &m.txtUncertainty},
                                                                  {&m.lblDecision, &m.cmbDecision},
                                                                  {&m.lblOrganisation, &m.txtOrganisation},
                                                                  {&m.lblAddress, &m.txtAddress},
                                                                  {&m.lblPrefix, &m.txtPrefix},
                                                                  {&m.lblPlace, &m.txtPlace},
                                                                  {&m.lblCustomer, &m.txtCustomer},
                                                                  {&m.lblTag, &m.txtTag},
                                                                  {&m.lblLocation, &m.txtLocation},
                                                                  {&m.lblAmbient, &m.txtAmbient},
                                                                  {&m.lblDepartures, &m.txtDepartures},
                                                                  {&m.lblNote, &m.txtNote}};
    int row = 0;
    for (const auto &[label, box] : fields) {
        plan->addWidget(w(*label), row / 2, (row % 2) * 2);
        plan->addWidget(w(*box), row / 2, (row % 2) * 2 + 1);
        ++row;
    }
    const int last = (row + 1) / 2;
    plan->addWidget(w(m.lblRange), last, 0);
    auto *range = new QHBoxLayout;
    range->addWidget(w(m.txtRangeLow));
    range->addWidget(w(m.txtRangeHigh));
    plan->addLayout(range, last, 1);
    plan->addWidget(w(m.chkUpDown), last, 2);
    plan->addWidget(w(m.chkAsLeftOnly), last, 3);
    plan->addWidget(w(m.lblProcedure), last + 1, 0);
    plan->addWidget(w(m.cmbProcedure), last + 1, 1);
    plan->addWidget(w(m.lblDwell), last + 1, 2);
    plan->addWidget(w(m.txtDwell), last + 1, 3);
    column->addLayout(plan);

    auto *take = new QHBoxLayout;
    for (const Control *control : std::initializer_list<const Control *>{
             &m.cmdStart, &m.lblPoint, &m.lblReference, &m.txtReference, &m.lblCurrent, &m.txtCurrent, &m.cmdTake,
             &m.cmdRepeat, &m.cmdSkip, &m.lblProgress})
        take->addWidget(w(*control));
    take->addStretch(1);
    column->addLayout(take);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("points"));
    m_table->setModel(m_tableModel);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    column->addWidget(m_table, 1);

    for (const Control *control :
         std::initializer_list<const Control *>{&m.lblVerdict, &m.lblHysteresis, &m.lblAsFound, &m.lblReport})
        column->addWidget(w(*control));
    auto *saves = new QHBoxLayout;
    saves->addStretch(1);
    saves->addWidget(w(m.cmdSavePdf));
    saves->addWidget(w(m.cmdSaveCsv));
    column->addLayout(saves);
    resize(900, 760);

    m.onRowsChanged = [this] { m_tableModel->refresh(); };
    m.chooseSaveFile = [this](const std::string &suggested) -> std::optional<std::string> {
        const bool pdf = suggested.ends_with(".pdf");
        const QString file = QFileDialog::getSaveFileName(
            this, pdf ? shown(OT_TR("Ortavel", "Save certificate")) : shown(OT_TR("Ortavel", "Save CSV")),
            QString::fromStdString(suggested),
            pdf ? shown(OT_TR("Ortavel", "PDF (*.pdf)")) : shown(OT_TR("Ortavel", "CSV (*.csv)")));

        return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
    };
    // The report in the language chosen for reports, or in the window's.
    m.writePdf = [&m](const std::string &path, const verify::Certificate &certificate) {
        const auto language = textLanguageFromCode(m.mainWindow().languageChoice().reportLanguage());
        const TextTranslator words(language.value_or(TextLanguage::Specified), translationsFolder());
        return writeCertificatePdf(path, certificate, &words);
    };
    m.fileSha256 = fileSha256;
}

// The binders hold on to the model: they go first.
VerificationWindow::~VerificationWindow()
{
    m_model->tmrSample.setEnabled(false);
    m_model->tmrDwell.setEnabled(false);
    m_model->onRowsChanged = nullptr;
    m_model->chooseSaveFile = nullptr;
    m_model->writePdf = nullptr;
    m_model->fileSha256 = nullptr;
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

} // namespace ortavel
