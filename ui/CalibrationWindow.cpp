#include "CalibrationWindow.h"

#include "FormView.h"
#include "calib/frmYHJZ.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ortavel {

namespace {

// The access code box against the Exit button it lies on, both in 1/1440
// inch.
constexpr double kPassWidth = 855.0;
constexpr double kExitWidth = 1095.0;
constexpr double kPassHeight = 270.0;
constexpr double kExitHeight = 495.0;
// Six lines of text and the empty one after the last line end.
constexpr int kExplanationLines = 7;

} // namespace

CalibrationWindow::CalibrationWindow(std::unique_ptr<frmYHJZ> model, QWidget *parent)
    : QWidget(parent), m_model(std::move(model))
{
    frmYHJZ &m = *m_model;
    m_view = new FormView(m, this, this, nullptr, [&m](const Control &control) { return m.parentOf(control); });

    auto *rows = new QGridLayout(this);
    rows->addWidget(control(m.Label1.name()), 0, 0);
    rows->addWidget(control(m.Combo1.name()), 0, 1);
    rows->addWidget(control(m.Label2.name()), 0, 2, 1, 3);
    rows->addWidget(control(m.Label3.name()), 1, 0);
    rows->addWidget(control(m.Label4.name()), 2, 0);
    const int minimumWidth = control(m.txtLLYL(0).name())->fontMetrics().horizontalAdvance(kWidestValue);
    for (int i = 0; i < frmYHJZ::kPoints; ++i) {
        for (const TextBox *box : {&m.txtLLYL(i), &m.txtCLYL(i)}) {
            QWidget *edit = control(box->name());
            edit->setMinimumWidth(minimumWidth + edit->sizeHint().height() / 2);
            rows->addWidget(edit, box == &m.txtLLYL(i) ? 1 : 2, i + 1);
        }
        rows->addWidget(control(m.cmdYL(i).name()), 3, i + 1);
        rows->setColumnStretch(i + 1, 1);
    }
    rows->addLayout(makeButtons(), 4, 0, 1, frmYHJZ::kPoints + 1);
    rows->addWidget(control(m.Frame1.name()), 5, 0, 1, frmYHJZ::kPoints + 1);
    fillExplanation();
}

// The binders hold on to the model: they go first.
CalibrationWindow::~CalibrationWindow()
{
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

QWidget *CalibrationWindow::control(const std::string &name) const
{
    return m_view->widget(name);
}

QLayout *CalibrationWindow::makeButtons()
{
    const frmYHJZ &m = *m_model;
    auto *line = new QHBoxLayout;
    for (const Button *button : {&m.cmdReadCAL, &m.CmdReCal, &m.cmdSAVE, &m.cmdSaveFactory})
        line->addWidget(control(button->name()));
    line->addStretch(1);

    // The access code box covers the upper left part of Exit; the caption
    // stays readable below it.
    auto *exit = qobject_cast<QPushButton *>(control(m.cmdExit.name()));
    QWidget *pass = control(m.txtPass.name());
    const int boxHeight = pass->sizeHint().height();
    const int exitHeight = std::max(exit->sizeHint().height(), qRound(boxHeight * kExitHeight / kPassHeight));
    const int exitWidth = std::max(exit->sizeHint().width(), qRound(exitHeight * kExitWidth / kExitHeight));
    exit->setFixedSize(exitWidth, exitHeight);
    exit->setStyleSheet(QStringLiteral("QPushButton { padding-top: %1px; }").arg(boxHeight));
    pass->setFixedSize(qRound(exitWidth * kPassWidth / kExitWidth), boxHeight);
    auto *stack = new QGridLayout;
    stack->addWidget(exit, 0, 0);
    stack->addWidget(pass, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    pass->raise();
    line->addLayout(stack);
    return line;
}

void CalibrationWindow::fillExplanation()
{
    const frmYHJZ &m = *m_model;
    auto *frame = new QVBoxLayout(control(m.Frame1.name()));
    auto *text = qobject_cast<QPlainTextEdit *>(control(m.Text1.name()));
    frame->addWidget(text);
    // Every line in view, each on one line.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics = text->fontMetrics();
    int widest = 0;
    for (const QString &line : text->toPlainText().split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (text->frameWidth() + static_cast<int>(text->document()->documentMargin())) + 4;
    text->setMinimumWidth(widest + margins);
    text->setFixedHeight(metrics.lineSpacing() * kExplanationLines + margins);
}

} // namespace ortavel
