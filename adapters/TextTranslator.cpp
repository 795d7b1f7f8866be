#include "TextTranslator.h"

#include "text/OperatorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace ortavel {

namespace {

// A built text is made of at most a few layers; anything deeper is a loop.
constexpr int kDeepestRecipe = 8;

} // namespace

QString filledPattern(const QString &pattern, const std::vector<QString> &parts)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const auto index = static_cast<std::size_t>(next.unicode() - u'1');
        if (pattern[i] == u'%' && next >= u'1' && next <= u'9' && index < parts.size()) {
            text += parts[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::optional<TextLanguage> textLanguageFromCode(std::string_view code)
{
    if (code == "spec")
        return TextLanguage::Specified;
    if (code == "en")
        return TextLanguage::English;
    if (code == "zh")
        return TextLanguage::Chinese;
    return std::nullopt;
}

const char *textLanguageCode(TextLanguage language)
{
    switch (language) {
    case TextLanguage::Specified:
        return "spec";
    case TextLanguage::English:
        return "en";
    case TextLanguage::Chinese:
        return "zh";
    }
    return "spec";
}

QString translationsFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    if (program.exists(QStringLiteral("translations")))
        return program.filePath(QStringLiteral("translations"));
    return QDir::cleanPath(program.filePath(QStringLiteral("../share/ortavel/translations")));
}

TextTranslator::TextTranslator(TextLanguage language, const QString &folder) : m_language(language)
{
    if (language == TextLanguage::Specified) {
        m_loaded = true;
        return;
    }
    m_texts = std::make_unique<QTranslator>();
    m_loaded = m_texts->load(QStringLiteral("ortavel_") + QString::fromLatin1(textLanguageCode(language)), folder);
    // Qt's own dialog texts: Debian's Qt translations, or the ones beside the program.
    const QString qtName = language == TextLanguage::Chinese ? QStringLiteral("qtbase_zh_CN") : QString();
    if (!qtName.isEmpty()) {
        m_qtTexts = std::make_unique<QTranslator>();
        if (!m_qtTexts->load(qtName, folder) &&
            !m_qtTexts->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qtTexts.reset();
    }
}

TextTranslator::~TextTranslator() = default;

QString TextTranslator::translate(const std::string &text) const
{
    return translate(text, 0);
}

QString TextTranslator::translate(const std::string &text, const char *context) const
{
    if (m_texts && m_loaded && !text.empty()) {
        QString own = m_texts->translate(context, text.c_str());
        if (!own.isEmpty())
            return own;
    }
    return translate(text, 0);
}

QString TextTranslator::translate(const std::string &text, int depth) const
{
    if (!m_texts || !m_loaded || text.empty())
        return QString::fromStdString(text);
    QString exact = m_texts->translate(kTextContext, text.c_str());
    if (!exact.isEmpty())
        return exact;
    const auto recipe = depth < kDeepestRecipe ? recipeOf(text) : std::nullopt;
    if (!recipe)
        return QString::fromStdString(text);
    std::vector<QString> parts;
    parts.reserve(recipe->parts.size());
    for (const auto &part : recipe->parts)
        parts.push_back(translate(part, depth + 1));
    const QString pattern = translate(recipe->pattern, depth + 1);
    if (recipe->joined)
        return parts.empty() ? QString() : [&] {
            QString joined = parts.front();
            for (std::size_t i = 1; i < parts.size(); ++i)
                joined += pattern + parts[i];
            return joined;
        }();
    return filledPattern(pattern, parts);
}

} // namespace ortavel
