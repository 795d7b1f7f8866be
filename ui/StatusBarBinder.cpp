#include "StatusBarBinder.h"

#include "QtText.h"
#include "controls/StatusBar.h"
#include "text/OperatorText.h"

#include <QLabel>
#include <QStatusBar>

namespace ortavel {

namespace {
// The first panel carries the longest texts.
constexpr std::array<int, StatusBarBinder::kPanels> kStretch = {3, 2, 1, 2};
} // namespace

StatusBarBinder::StatusBarBinder(StatusBar &bar, QStatusBar *widget) : WidgetBinder(bar, widget, nullptr), m_bar(bar)
{
    static_assert(kPanels == StatusBar::kPanels);
    widget->setSizeGripEnabled(false);
    for (int number = 1; number <= kPanels; ++number) {
        auto *label = new QLabel(widget);
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setObjectName(toQt(bar.name()) + QStringLiteral("_Panel%1").arg(number));
        // Permanent: tool tips' status messages must not cover the panels.
        widget->addPermanentWidget(label, kStretch.at(static_cast<std::size_t>(number - 1)));
        m_panels.at(static_cast<std::size_t>(number - 1)) = label;
    }
    start();
}

void StatusBarBinder::updateWidget()
{
    for (int number = 1; number <= kPanels; ++number) {
        const QString text = shown(m_bar.panel(number));
        QLabel *label = panel(number);
        label->setText(text);
        label->setToolTip(shown(m_bar.panelToolTip(number)));
        // A screen reader speaks the panel's text; an empty panel says which
        // one it is.
        label->setAccessibleDescription(shown(fill(OT_TR("Ortavel", "Status panel %1"), {std::to_string(number)})));
        label->setAccessibleName(text.isEmpty() ? label->accessibleDescription() : text);
    }
}

} // namespace ortavel
