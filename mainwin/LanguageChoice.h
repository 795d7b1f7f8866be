#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ortavel {

class MenuItem;
class Ortavel;

// The View menu's choice of the language the windows speak, and the one the
// reports are written in, kept per user. Languages go by their codes:
// "spec" (the texts as specified), "en" and "zh".
class LanguageChoice {
public:
    static constexpr const char *kSection = "Language";
    static constexpr const char *kWindowKey = "Window";
    static constexpr const char *kReportKey = "Report";
    // The report's setting that follows the window.
    static constexpr const char *kAsWindow = "window";

    explicit LanguageChoice(Ortavel &window);

    // The language given for this run, else the one chosen last, told to
    // the view and ticked; a given one is not kept.
    void start(const std::optional<std::string> &forThisRun);
    const std::string &windowLanguage() const { return m_windowLanguage; }
    // The reports' own language, or the window's when they follow it.
    std::string reportLanguage() const;

    // The view shows every window in the language from now on.
    std::function<void(const std::string &code)> onLanguageChosen;

private:
    void chooseWindowLanguage(const std::string &code);
    void chooseReportLanguage(const std::string &code);
    void tick();

    Ortavel &m_window;
    std::string m_windowLanguage = "spec";
    std::string m_reportLanguage = kAsWindow;
};

} // namespace ortavel
