#pragma once

#include "WidgetBinder.h"

class QProgressBar;

namespace ortavel {

class ProgressBar;

// A progress bar: shown only, the operator does nothing with it.
class ProgressBarBinder : public WidgetBinder {
public:
    ProgressBarBinder(ProgressBar &bar, QProgressBar *widget);

protected:
    void updateWidget() override;

private:
    ProgressBar &m_bar;
    QProgressBar *m_widget;
};

} // namespace ortavel
