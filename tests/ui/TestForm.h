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

#include <map>

namespace ortavel::test {

// A small window with one control of every kind, and counters for the
// handlers the tests watch.
class TestForm : public Form {
public:
    TestForm() : Form("frmTest", "Test window")
    {
        add(Menu);
        add(Open);
        add(Line);
        add(Quit);
        add(Group);
        add(NameLabel);
        add(Name);
        add(Notes);
        add(Go);
        add(Same);
        add(ListLabel);
        add(List);
        add(Edit);
        add(Trim);
        add(Status);
        add(Tick);
        Notes.setMultiLine(true);
        List.addItem("one", 10);
        List.addItem("two", 20);
        List.addItem("three", 30);
        Edit.setEditable(true);
        Trim.setSteps(1, 5);
        Go.onClick = [this] { ++counts["Go"]; };
        Same.onClick = [this] { ++counts["Same"]; };
        List.onClick = [this] { ++counts["List"]; };
        Edit.onChange = [this] { ++counts["Edit"]; };
        Trim.onChange = [this] { ++counts["Trim"]; };
        Name.onChange = [this] { ++counts["Name"]; };
        Notes.onChange = [this] { ++counts["Notes"]; };
        Open.onClick = [this] { ++counts["Open"]; };
        Quit.onClick = [this] { ++counts["Quit"]; };
        Tick.onTimer = [this] { ++counts["Tick"]; };
        Name.onValidate = [this] { return keepFocusInName; };
        onQueryUnload = [this] {
            ++counts["QueryUnload"];
            return mayClose;
        };
    }

    // Parents for the menu: Open, Line and Quit are items of Menu.
    Control *parentOf(const Control &control)
    {
        if (&control == &Open || &control == &Line || &control == &Quit)
            return &Menu;
        return nullptr;
    }

    MenuItem Menu{"Menu", "&File"};
    MenuItem Open{"Open", "&Open..."};
    MenuItem Line{"Line", "-"};
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
    bool mayClose = true;
};

} // namespace ortavel::test
