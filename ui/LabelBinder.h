#pragma once

#include "WidgetBinder.h"

class QLabel;

namespace ortavel {

class Label;

// A label; a click on it runs its click handler (link labels).
class LabelBinder : public WidgetBinder {
public:
    LabelBinder(Label &label, QLabel *widget);

protected:
    void updateWidget() override;
    std::string caption() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Label &m_label;
    QLabel *m_widget;
};

} // namespace ortavel
