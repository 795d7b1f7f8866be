#pragma once

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/Label.h"
#include "controls/MenuItem.h"
#include "controls/ScrollBar.h"
#include "controls/StatusBar.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "ui/FormView.h"

#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <map>
#include <string>

namespace ortavel::test {

// A small window with one control of every kind, and counters for the
// handlers the tests watch.
class TestForm : public Form {
public:
    TestForm() : Form("frmTest", "Test window")
    {
        for (Control *control :
             std::initializer_list<Control *>{&Menu, &Open, &Quit, &Group, &NameLabel, &Name, &Notes, &Go, &Same,
                                              &ListLabel, &List, &Edit, &Trim, &Status, &Tick})
            add(*control);
        Notes.setMultiLine(true);
        List.addItem("one", 10);
        List.addItem("two", 20);
        List.addItem("three", 30);
        Edit.setEditable(true);
        Trim.setSteps(1, 5);
        const auto count = [this](const char *name) { return [this, name] { ++counts[name]; }; };
        Go.onClick = count("Go");
        Same.onClick = count("Same");
        List.onClick = count("List");
        Edit.onChange = count("Edit");
        Trim.onChange = count("Trim");
        Notes.onChange = count("Notes");
        Name.onValidate = [this] { return keepFocusInName; };
    }

    // Open and Quit are items of Menu.
    Control *parentOf(const Control &control) { return &control == &Open || &control == &Quit ? &Menu : nullptr; }

    MenuItem Menu{"Menu", "&File"};
    MenuItem Open{"Open", "&Open..."};
    MenuItem Quit{"Quit", "E&xit"};
    Frame Group{"Group", "Settings"};
    Label NameLabel{"NameLabel", "Name:"};
    TextBox Name{"Name", "initial"};
    TextBox Notes{"Notes", "first\r\nsecond"};
    Button Go{"Go", "Go"};
    CheckBox Same{"Same", "Same for all"};
    Label ListLabel{"ListLabel", "Choice："};
    ComboBox List{"List", "Pick one"};
    ComboBox Edit{"Edit", "typed"};
    ScrollBar Trim{"Trim", -50, 50};
    StatusBar Status{"Status"};
    Timer Tick{"Tick", 20};

    std::map<std::string, int> counts;
    bool keepFocusInName = false;
};

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

// Names a table row's test after its description.
struct NamedByWhat {
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        std::string name = info.param.what;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
        return name;
    }
};

} // namespace ortavel::test
