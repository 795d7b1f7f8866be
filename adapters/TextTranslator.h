#pragma once

#include <QString>
#include <QTranslator>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel {

// The languages the window speaks: the specified texts as written (mostly
// English, some Chinese), all in English, or all in Chinese.
enum class TextLanguage { Specified, English, Chinese };

// "spec", "en", "zh"; nothing for any other code.
std::optional<TextLanguage> textLanguageFromCode(std::string_view code);
const char *textLanguageCode(TextLanguage language);

// A pattern ("Writing to %1 (%2 of %3)") with %1..%9 replaced in one pass,
// so that a part holding "%1" (a note, a name) stays as it is.
QString filledPattern(const QString &pattern, const std::vector<QString> &parts);

// The folder of the compiled translations: beside the program in a build
// tree or on Windows, share/ortavel/translations when installed.
QString translationsFolder();

// Shows texts of the window models in one language: a fixed text through its
// translation, a text built by fill() or joinTexts() through the translation
// of its pattern and of each part. Anything else (a value, an address, a
// transmitter's own text) is shown as it is.
class TextTranslator {
public:
    // Loads ortavel_<code>.qm from `folder`; the specified language needs none.
    TextTranslator(TextLanguage language, const QString &folder);
    ~TextTranslator();
    TextTranslator(const TextTranslator &) = delete;
    TextTranslator &operator=(const TextTranslator &) = delete;

    TextLanguage language() const { return m_language; }
    // False when the language's translations could not be loaded; texts are
    // then shown as written.
    bool loaded() const { return m_loaded; }
    QString translate(const std::string &text) const;
    // The same, looked up first among the texts of `context`: a word that
    // means another thing there ("Error" of a reading, not of an operation).
    QString translate(const std::string &text, const char *context) const;
    // Qt's own texts (dialog buttons) in the language, if Qt has them.
    QTranslator *qtTexts() const { return m_qtTexts.get(); }
    QTranslator *texts() const { return m_texts.get(); }

private:
    QString translate(const std::string &text, int depth) const;

    TextLanguage m_language;
    bool m_loaded = false;
    std::unique_ptr<QTranslator> m_texts;
    std::unique_ptr<QTranslator> m_qtTexts;
};

} // namespace ortavel
