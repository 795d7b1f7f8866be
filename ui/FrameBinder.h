#pragma once

#include "WidgetBinder.h"

class QGroupBox;

namespace ortavel {

class Frame;

// A frame: a captioned group box.
class FrameBinder : public WidgetBinder {
public:
    FrameBinder(Frame &frame, QGroupBox *widget);

protected:
    void updateWidget() override;
    std::string caption() const override;

private:
    Frame &m_frame;
    QGroupBox *m_widget;
};

} // namespace ortavel
