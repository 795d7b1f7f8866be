#pragma once

#include "Binder.h"

#include <QPointer>

class QWidget;

namespace ortavel {

class TextBox;

// A text box's background: the system's window colour, or its button face
// colour for a box out of use. Only a box that has left the window colour
// gets a palette entry of its own, so every other box keeps the style's.
class BackColorBinder : public Binder {
public:
    BackColorBinder(TextBox &box, QWidget *widget);

protected:
    void update() override;

private:
    TextBox &m_box;
    QPointer<QWidget> m_widget;
    bool m_changed = false;
};

} // namespace ortavel
