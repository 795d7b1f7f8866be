#pragma once

#include "controls/EventPump.h"
#include "controls/Form.h"
#include "controls/MessageBox.h"
#include "controls/WindowHost.h"

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace ortavel::test {

class FakeMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string text;
        std::string title;
        bool exclamation = false;
        bool operator==(const Shown &) const = default;
        friend void PrintTo(const Shown &s, std::ostream *out)
        {
            *out << s.title << ": " << s.text << (s.exclamation ? " (!)" : "");
        }
    };
    void show(const std::string &text, const std::string &title, bool exclamation) override
    {
        shown.push_back({text, title, exclamation});
    }
    std::optional<std::string> ask(const std::string &, const std::string &, const std::string &) override
    {
        auto answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
    bool confirm(const std::string &text, const std::string &title) override
    {
        shown.push_back({text, title, false});
        const bool yes = !confirmations.empty() && confirmations.front();
        if (!confirmations.empty())
            confirmations.erase(confirmations.begin());
        return yes;
    }
    std::vector<Shown> shown;
    std::vector<std::optional<std::string>> answers;
    std::vector<bool> confirmations;
};

// Counts the pauses it is given and runs a scripted action at the N-th.
class FakeEventPump final : public EventPump {
public:
    void processEvents() override
    {
        ++calls;
        if (const auto it = actions.find(calls); it != actions.end())
            it->second();
    }
    int calls = 0;
    std::map<int, std::function<void()>> actions;
};

// Records the windows asked for and asks a form itself whether it closes.
class FakeWindowHost final : public WindowHost {
public:
    void showWindow(const std::string &formName) override { shown.push_back(formName); }
    void requestClose(Form &form) override { closeAnswers.push_back(form.queryUnload()); }
    void closeOtherWindows(const Form &) override { ++othersClosed; }
    int othersClosed = 0;
    std::vector<std::string> shown;
    std::vector<bool> closeAnswers;
};

} // namespace ortavel::test
