#include "AboutBox.h"

#include "FormView.h"
#include "QtText.h"
#include "about/FrmOrtavelAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

#include <cmath>

namespace ortavel {

namespace {

constexpr int kLogoSize = 64;
constexpr int kTicks = 9;
// The dial runs over three quarters of a turn, from lower left to lower
// right; the needle stands at two thirds of it.
constexpr double kDialStartDegrees = 225.0;
constexpr double kDialSpanDegrees = 270.0;
constexpr double kNeedleShare = 2.0 / 3.0;
constexpr int kTextWidthInAverageCharacters = 60;

QPointF onCircle(QPointF centre, double radius, double degrees)
{
    const double radians = degrees * M_PI / 180.0;
    return {centre.x() + radius * std::cos(radians), centre.y() - radius * std::sin(radians)};
}

} // namespace

QPixmap AboutBox::logo(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size / 2.0 - 2.0;

    painter.setPen(QPen(QColor(0x1f, 0x3a, 0x68), size / 16.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);

    painter.setPen(QPen(QColor(0x1f, 0x3a, 0x68), size / 32.0, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick < kTicks; ++tick) {
        const double degrees = kDialStartDegrees - kDialSpanDegrees * tick / (kTicks - 1);
        painter.drawLine(onCircle(centre, radius * 0.62, degrees), onCircle(centre, radius * 0.8, degrees));
    }

    const double needle = kDialStartDegrees - kDialSpanDegrees * kNeedleShare;
    painter.setPen(QPen(QColor(0xc0, 0x20, 0x20), size / 20.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onCircle(centre, radius * 0.7, needle));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x3a, 0x68));
    painter.drawEllipse(centre, size / 12.0, size / 12.0);
    return picture;
}

AboutBox::AboutBox(std::unique_ptr<FrmOrtavelAbout> model, QWidget *parent) : QWidget(parent), m_model(std::move(model))
{
    FrmOrtavelAbout &m = *m_model;
    m_view = new FormView(m, this, this, nullptr);

    // Picture and line are fixed at design: the view draws them itself.
    auto *image = new QLabel(this);
    image->setObjectName(toQt(m.Image1.name()));
    image->setPixmap(logo(kLogoSize));
    image->setAlignment(Qt::AlignTop);
    auto *line = new QFrame(this);
    line->setObjectName(toQt(m.Line1.name()));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *description = m_view->widgetAs<QLabel>(m.Label2.name());
    description->setWordWrap(true);
    description->setMinimumWidth(description->fontMetrics().averageCharWidth() * kTextWidthInAverageCharacters);
    for (const Label *link : {&m.Label3, &m.Label4}) {
        auto *label = m_view->widgetAs<QLabel>(link->name());
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
        label->setCursor(Qt::PointingHandCursor);
    }

    auto *grid = new QGridLayout(this);
    grid->addWidget(image, 0, 0, 4, 1);
    grid->addWidget(m_view->widget(m.Label1.name()), 0, 1, 1, 2);
    grid->addWidget(description, 1, 1, 1, 2);
    grid->addWidget(m_view->widget(m.lblVersion.name()), 2, 1, 1, 2);
    grid->addWidget(m_view->widget(m.lblHistory.name()), 3, 1, 1, 2);
    grid->addWidget(line, 4, 0, 1, 3);
    grid->addWidget(m_view->widget(m.Label3.name()), 5, 1);
    grid->addWidget(m_view->widget(m.Label4.name()), 6, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_view->widget(m.cmdOK.name()));
    buttons->addWidget(m_view->widget(m.cmdSysInfo.name()));
    grid->addLayout(buttons, 5, 2, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
}

// The binders hold on to the model: they go first.
AboutBox::~AboutBox()
{
    qDeleteAll(findChildren<QObject *>(Qt::FindDirectChildrenOnly));
}

} // namespace ortavel
