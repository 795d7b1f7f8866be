#include "CheckBoxBinder.h"

#include "QtText.h"
#include "controls/CheckBox.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace ortavel {

CheckBoxBinder::CheckBoxBinder(CheckBox &checkBox, QCheckBox *widget, FocusGuard *guard)
    : WidgetBinder(checkBox, widget, guard), m_checkBox(checkBox), m_widget(widget)
{
    connect(widget, &QCheckBox::clicked, this, [this](bool checked) {
        if (admit())
            m_checkBox.setChecked(checked);
        refresh();
    });
    start();
}

void CheckBoxBinder::updateWidget()
{
    const QSignalBlocker blocker(m_widget);
    const QString text = shown(m_checkBox.caption());
    if (m_widget->text() != text)
        m_widget->setText(text);
    m_widget->setChecked(m_checkBox.checked());
}

std::string CheckBoxBinder::caption() const
{
    return m_checkBox.caption();
}

} // namespace ortavel
