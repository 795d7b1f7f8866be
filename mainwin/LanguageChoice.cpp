#include "LanguageChoice.h"

#include "Ortavel.h"
#include "link/SettingsStore.h"

#include <utility>

namespace ortavel {

namespace {

bool isLanguage(const std::string &code)
{
    return code == "spec" || code == "en" || code == "zh";
}

} // namespace

LanguageChoice::LanguageChoice(Ortavel &window) : m_window(window)
{
    const std::pair<MenuItem *, const char *> windowItems[] = {
        {&window.mnuLanguageSpec, "spec"}, {&window.mnuLanguageEnglish, "en"}, {&window.mnuLanguageChinese, "zh"}};
    for (const auto &[item, code] : windowItems)
        item->onClick = [this, code = std::string(code)] { chooseWindowLanguage(code); };
    const std::pair<MenuItem *, const char *> reportItems[] = {{&window.mnuReportAsWindow, kAsWindow},
                                                               {&window.mnuReportSpec, "spec"},
                                                               {&window.mnuReportEnglish, "en"},
                                                               {&window.mnuReportChinese, "zh"}};
    for (const auto &[item, code] : reportItems)
        item->onClick = [this, code = std::string(code)] { chooseReportLanguage(code); };
}

void LanguageChoice::start(const std::optional<std::string> &forThisRun)
{
    SettingsStore &settings = m_window.settingsStore();
    const std::string kept = settings.value(Ortavel::kAppTitle, kSection, kWindowKey, "spec");
    const std::string report = settings.value(Ortavel::kAppTitle, kSection, kReportKey, kAsWindow);
    // A setting edited by hand into something else counts as never made.
    m_windowLanguage = forThisRun && isLanguage(*forThisRun) ? *forThisRun : isLanguage(kept) ? kept : "spec";
    m_reportLanguage = isLanguage(report) ? report : kAsWindow;
    tick();
    if (onLanguageChosen)
        onLanguageChosen(m_windowLanguage);
}

std::string LanguageChoice::reportLanguage() const
{
    return m_reportLanguage == kAsWindow ? m_windowLanguage : m_reportLanguage;
}

void LanguageChoice::chooseWindowLanguage(const std::string &code)
{
    m_windowLanguage = code;
    m_window.settingsStore().setValue(Ortavel::kAppTitle, kSection, kWindowKey, code);
    tick();
    if (onLanguageChosen)
        onLanguageChosen(code);
}

void LanguageChoice::chooseReportLanguage(const std::string &code)
{
    m_reportLanguage = code;
    m_window.settingsStore().setValue(Ortavel::kAppTitle, kSection, kReportKey, code);
    tick();
}

void LanguageChoice::tick()
{
    m_window.mnuLanguageSpec.setChecked(m_windowLanguage == "spec");
    m_window.mnuLanguageEnglish.setChecked(m_windowLanguage == "en");
    m_window.mnuLanguageChinese.setChecked(m_windowLanguage == "zh");
    m_window.mnuReportAsWindow.setChecked(m_reportLanguage == kAsWindow);
    m_window.mnuReportSpec.setChecked(m_reportLanguage == "spec");
    m_window.mnuReportEnglish.setChecked(m_reportLanguage == "en");
    m_window.mnuReportChinese.setChecked(m_reportLanguage == "zh");
}

} // namespace ortavel
