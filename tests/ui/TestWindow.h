#pragma once

#include "TestForm.h"
#include "ui/FormView.h"

#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace ortavel::test {

// The test form bound to a shown, active window, its widgets in one column.
class TestWindow {
public:
    TestWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        auto *menuBar = new QMenuBar(&window);
        layout->setMenuBar(menuBar);
        view = new FormView(form, &window, &window, menuBar, [this](const Control &c) { return form.parentOf(c); });
        for (Control *control : form.controls()) {
            if (QWidget *widget = view->widget(control->name()))
                layout->addWidget(widget);
        }
        view->nameBy("Name", form.NameLabel);
        view->nameBy("List", form.ListLabel);
        window.show();
        window.activateWindow();
        activated = QTest::qWaitForWindowActive(&window);
    }

    template <typename W> W *get(const std::string &name) const
    {
        auto *widget = view->widgetAs<W>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TestForm form;
    QWidget window;
    FormView *view = nullptr;
    bool activated = false;
};

// A check box reacts to clicks on its box and caption, not on the empty
// space a layout gives it.
inline void clickCheckBox(QWidget *checkBox)
{
    QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(6, checkBox->height() / 2));
}

// A description as a test name.
inline std::string testName(const char *what)
{
    std::string name = what;
    for (char &c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    return name;
}

} // namespace ortavel::test
