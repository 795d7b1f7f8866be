#include "MainWindow.h"

#include "FormView.h"
#include "mainwin/Ortavel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ortavel {

namespace {

// The pressure and temperature boxes are read from across the room.
constexpr double kLargeFontScale = 2.0;
// The password box covers this share of the Reflash button's width.
constexpr double kPassWidthShare = 735.0 / 1335.0;

} // namespace

MainWindow::MainWindow(Ortavel &model, QWidget *parent) : QMainWindow(parent), m_model(model)
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_view = new FormView(model, this, central, menuBar(),
                          [&model](const Control &control) { return model.parentOf(control); });
    setStatusBar(qobject_cast<QStatusBar *>(control(model.StatusBar1.name())));
#if !ORTAVEL_TREND
    // Built without Qt Charts there is no Trend window to open.
    if (QAction *trend = m_view->action(model.mnuTrend.name()); trend != nullptr) {
        for (QMenu *menu : menuBar()->findChildren<QMenu *>())
            menu->removeAction(trend);
    }
#endif

    auto *rows = new QGridLayout(central);
    rows->addLayout(makeInformationRow(), 0, 0, 1, 2);
    rows->addWidget(control(model.frame_ADBD.name()), 1, 0);
    rows->addWidget(control(model.frame_CVALUE.name()), 1, 1);
    rows->addWidget(control(model.frame_DISP.name()), 2, 0);
    rows->addLayout(makeSaveButtons(), 2, 1);
    rows->addWidget(control(model.frame_IOUT.name()), 3, 0);
    rows->addWidget(control(model.Frame_Command.name()), 3, 1);
    rows->setColumnStretch(0, 1);
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(4, 1);

    fillBasicSetting();
    fillMeasuringValue();
    fillDigitalDisplay();
    fillAnalogOutput();
    fillInstruction();
    nameFields();
    styleFields();
}

QWidget *MainWindow::control(const std::string &name) const
{
    return m_view->widget(name);
}

QGridLayout *MainWindow::frameGrid(const std::string &frame) const
{
    return new QGridLayout(control(frame));
}

void MainWindow::place(QGridLayout *grid, const std::string &name, int row, int column, int columnSpan) const
{
    grid->addWidget(control(name), row, column, 1, columnSpan);
}

QLayout *MainWindow::makeInformationRow()
{
    const Ortavel &m = m_model;
    auto *line = new QHBoxLayout;

    QGridLayout *grid = frameGrid(m.frame_INFO.name());
    int column = 0;
    for (const Control *c : std::initializer_list<const Control *>{&m.Label18, &m.cmbCommPort, &m.LBL_ADDR, &m.CMB_ADDR,
                                                                   &m.Label16, &m.TXT_TYPE, &m.Label14, &m.TXT_BAND})
        place(grid, c->name(), 0, column++);

    // The range reads "zero ～ full scale unit" in one piece.
    auto *range = new QHBoxLayout;
    for (const Control *c : std::initializer_list<const Control *>{&m.TXT_SCZ, &m.Label15, &m.TXT_SCF, &m.TXT_FUNIT})
        range->addWidget(control(c->name()));
    place(grid, m.LBL_DPH.name(), 1, 0);
    grid->addLayout(range, 1, 1, 1, 3);
    place(grid, m.LBL_VR.name(), 1, 4);
    place(grid, m.TXT_VER.name(), 1, 5);
    place(grid, m.LBL_ID.name(), 1, 6);
    place(grid, m.TXT_ID.name(), 1, 7);
    for (int field = 1; field < column; field += 2)
        grid->setColumnStretch(field, 1);

    line->addWidget(control(m.frame_INFO.name()), 1);
    line->addLayout(makeSearchButtons());
    return line;
}

QLayout *MainWindow::makeSearchButtons()
{
    const Ortavel &m = m_model;
    auto *column = new QVBoxLayout;
    column->addWidget(control(m.cmdSEARCH.name()));

    // The access code box lies over the middle of Reflash; the button is
    // made tall enough that its caption stays readable below the box.
    auto *refresh = qobject_cast<QPushButton *>(control(m.cmdReFresh.name()));
    QWidget *pass = control(m.txtPass.name());
    const int boxHeight = pass->sizeHint().height();
    refresh->setMinimumHeight(boxHeight + 2 * refresh->sizeHint().height() - refresh->fontMetrics().height());
    refresh->setStyleSheet(QStringLiteral("QPushButton { padding-top: %1px; }").arg(boxHeight));
    pass->setFixedWidth(static_cast<int>(refresh->sizeHint().width() * kPassWidthShare) + boxHeight);
    auto *stack = new QGridLayout;
    stack->addWidget(refresh, 0, 0);
    stack->addWidget(pass, 0, 0, Qt::AlignHCenter | Qt::AlignTop);
    column->addLayout(stack);
    pass->raise();

    column->addWidget(control(m.COM_QUIT.name()));
    column->addWidget(control(m.Label19.name()));
    column->addWidget(control(m.Label20.name()));
    column->addStretch(1);
    return column;
}

void MainWindow::fillBasicSetting()
{
    const Ortavel &m = m_model;
    QGridLayout *grid = frameGrid(m.frame_ADBD.name());
    place(grid, m.Label7.name(), 0, 0);
    place(grid, m.TXT_ADDR.name(), 0, 1);
    place(grid, m.Label8.name(), 0, 2);
    place(grid, m.CMB_BAND.name(), 0, 3);
    place(grid, m.Label22.name(), 1, 0);
    place(grid, m.txtType.name(), 1, 1);
    place(grid, m.Label11.name(), 1, 2);
    place(grid, m.txtID.name(), 1, 3);
    place(grid, m.COM_ADDR.name(), 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MainWindow::fillMeasuringValue()
{
    const Ortavel &m = m_model;
    QGridLayout *grid = frameGrid(m.frame_CVALUE.name());
    place(grid, m.Label5.name(), 0, 0);
    place(grid, m.TXT_PRESSURE.name(), 0, 1, 3);
    place(grid, m.Label3.name(), 0, 4);
    place(grid, m.lblTEMP.name(), 1, 0);
    place(grid, m.TXT_TEMPERATURE.name(), 1, 1, 3);
    place(grid, m.Label4.name(), 1, 4);
    place(grid, m.lblMAX.name(), 2, 0);
    place(grid, m.txtMAX.name(), 2, 1);
    place(grid, m.lblMIN.name(), 2, 2);
    place(grid, m.txtMIN.name(), 2, 3);
    auto *buttons = new QHBoxLayout;
    for (const Control *c : std::initializer_list<const Control *>{&m.cmdON_OFF, &m.COM_SC, &m.cmdReset})
        buttons->addWidget(control(c->name()));
    grid->addLayout(buttons, 3, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MainWindow::fillDigitalDisplay()
{
    const Ortavel &m = m_model;
    QGridLayout *grid = frameGrid(m.frame_DISP.name());
    place(grid, m.Label21.name(), 0, 0);
    place(grid, m.cmbUnit.name(), 0, 1);
    place(grid, m.Label12.name(), 0, 2);
    place(grid, m.Cmb_DP.name(), 0, 3);
    place(grid, m.Label9.name(), 1, 0);
    place(grid, m.TXT_DPL.name(), 1, 1);
    place(grid, m.Label10.name(), 1, 2);
    place(grid, m.TXT_DPH.name(), 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(control(m.cmdSCALE_Read.name()));
    buttons->addWidget(control(m.cmdSCALE_Write.name()));
    grid->addLayout(buttons, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QLayout *MainWindow::makeSaveButtons()
{
    const Ortavel &m = m_model;
    // Layouts only: a click between the controls is a click on the window.
    auto *column = new QVBoxLayout;
    for (const Control *c : std::initializer_list<const Control *>{&m.chkSame, &m.CMD_USER, &m.CMD_FACT, &m.CMD_LD})
        column->addWidget(control(c->name()));
    column->addStretch(1);
    return column;
}

void MainWindow::fillAnalogOutput()
{
    const Ortavel &m = m_model;
    QGridLayout *grid = frameGrid(m.frame_IOUT.name());
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const std::pair<const Label *, const TextBox *> pressures[] = {{&m.Label1, &m.TXT_DAL}, {&m.Label2, &m.TXT_DAH}};
    const std::tuple<const Label *, const TextBox *, const ScrollBar *> trims[] = {
        {&m.Label30, &m.TXT_DAZF, &m.VScroll1}, {&m.Label31, &m.TXT_DAFF, &m.VScroll2}};
    for (int row = 0; row < 2; ++row) {
        const auto &[pressureLabel, pressure] = pressures[row];
        const auto &[trimLabel, trim, bar] = trims[row];
        place(grid, pressureLabel->name(), row, 0);
        place(grid, pressure->name(), row, 1);
        place(grid, trimLabel->name(), row, 2);
        place(grid, trim->name(), row, 3);
        // A pair of up and down arrows as tall as the box beside it.
        QWidget *scroll = control(bar->name());
        scroll->setFixedSize(extent, control(trim->name())->sizeHint().height());
        grid->addWidget(scroll, row, 4);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(control(m.cmdDA_Read.name()));
    buttons->addWidget(control(m.cmdDA_Write.name()));
    grid->addLayout(buttons, 2, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MainWindow::fillInstruction()
{
    const Ortavel &m = m_model;
    QGridLayout *grid = frameGrid(m.Frame_Command.name());
    place(grid, m.lblIns1.name(), 0, 0);
    place(grid, m.txtInsSend.name(), 0, 1);
    place(grid, m.Cmd_INS.name(), 0, 2);
    place(grid, m.lblIns2.name(), 1, 0);
    place(grid, m.txtReturn.name(), 1, 1, 2);
    grid->setColumnStretch(1, 1);
}

void MainWindow::nameFields()
{
    Ortavel &m = m_model;
    const std::pair<Label *, const Control *> names[] = {
        {&m.Label18, &m.cmbCommPort}, {&m.LBL_ADDR, &m.CMB_ADDR},       {&m.Label16, &m.TXT_TYPE},
        {&m.Label14, &m.TXT_BAND},    {&m.LBL_DPH, &m.TXT_SCZ},         {&m.LBL_DPH, &m.TXT_SCF},
        {&m.LBL_VR, &m.TXT_VER},      {&m.LBL_ID, &m.TXT_ID},           {&m.Label7, &m.TXT_ADDR},
        {&m.Label8, &m.CMB_BAND},     {&m.Label22, &m.txtType},         {&m.Label11, &m.txtID},
        {&m.Label5, &m.TXT_PRESSURE}, {&m.lblTEMP, &m.TXT_TEMPERATURE}, {&m.lblMAX, &m.txtMAX},
        {&m.lblMIN, &m.txtMIN},       {&m.Label21, &m.cmbUnit},         {&m.Label12, &m.Cmb_DP},
        {&m.Label9, &m.TXT_DPL},      {&m.Label10, &m.TXT_DPH},         {&m.Label1, &m.TXT_DAL},
        {&m.Label2, &m.TXT_DAH},      {&m.Label30, &m.TXT_DAZF},        {&m.Label30, &m.VScroll1},
        {&m.Label31, &m.TXT_DAFF},    {&m.Label31, &m.VScroll2},        {&m.lblIns1, &m.txtInsSend},
        {&m.lblIns2, &m.txtReturn}};
    for (const auto &[label, field] : names)
        m_view->nameBy(field->name(), *label);
}

void MainWindow::styleFields()
{
    const Ortavel &m = m_model;
    for (const TextBox *box : {&m.TXT_PRESSURE, &m.TXT_TEMPERATURE}) {
        auto *edit = qobject_cast<QLineEdit *>(control(box->name()));
        QFont large = edit->font();
        large.setPointSizeF(large.pointSizeF() * kLargeFontScale);
        large.setBold(true);
        edit->setFont(large);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // The extremes line up with the pressure they are taken from.
    for (const TextBox *box : {&m.txtMAX, &m.txtMIN})
        qobject_cast<QLineEdit *>(control(box->name()))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Each box is wide enough for its first text and for a value such as
    // "-1234.567"; the layout may give it more.
    for (Control *c : m.controls()) {
        auto *edit = qobject_cast<QLineEdit *>(control(c->name()));
        if (edit == nullptr || c == &m.txtPass || c == &m.TXT_FUNIT)
            continue;
        const QFontMetrics metrics = edit->fontMetrics();
        const int text = std::max(metrics.horizontalAdvance(edit->text()), metrics.horizontalAdvance(kWidestValue));
        edit->setMinimumWidth(text + edit->sizeHint().height() / 2);
    }
    // A unit is a few letters.
    auto *unit = qobject_cast<QLineEdit *>(control(m.TXT_FUNIT.name()));
    unit->setFixedWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("Unknown")) +
                        unit->sizeHint().height() / 2);
    // The address list shows its prompt in full before the first search.
    auto *addresses = qobject_cast<QComboBox *>(control(m.CMB_ADDR.name()));
    addresses->setMinimumWidth(addresses->fontMetrics().horizontalAdvance(addresses->placeholderText()) +
                               addresses->sizeHint().height() * 2);
}

} // namespace ortavel
