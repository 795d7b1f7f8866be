#pragma once

#include "adapters/TextTranslator.h"

#include <QString>

#include <memory>

namespace ortavel {

// The language every window shows its texts in. Choosing one installs its
// translations (Qt's own dialog texts too), so that widgets hear
// QEvent::LanguageChange, and shows every bound control again at once.
class WindowLanguage {
public:
    explicit WindowLanguage(QString folder = translationsFolder());
    ~WindowLanguage();
    WindowLanguage(const WindowLanguage &) = delete;
    WindowLanguage &operator=(const WindowLanguage &) = delete;

    // False when the language's translations are missing: the texts then
    // stay as written.
    bool choose(TextLanguage language);
    TextLanguage current() const { return m_translator->language(); }
    const TextTranslator &translator() const { return *m_translator; }
    const QString &folder() const { return m_folder; }

private:
    void uninstall();
    void growToFit();

    QString m_folder;
    std::unique_ptr<TextTranslator> m_translator;
};

} // namespace ortavel
