#include "QtText.h"

#include "adapters/TextTranslator.h"

namespace ortavel {

namespace {

const TextTranslator *g_shownTranslator = nullptr;

} // namespace

QString shown(const std::string &text)
{
    return g_shownTranslator ? g_shownTranslator->translate(text) : toQt(text);
}

QString shown(const std::string &text, const char *context)
{
    return g_shownTranslator ? g_shownTranslator->translate(text, context) : toQt(text);
}

void setShownTranslator(const TextTranslator *translator)
{
    g_shownTranslator = translator;
}

QString spokenName(const QString &caption)
{
    const QString &text = caption;
    QString spoken;
    spoken.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A single "&" only marks the access key; "&&" stands for one "&".
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        else if (text[i] == u'&')
            continue;
        spoken += text[i];
    }
    spoken = spoken.trimmed();
    // Field labels end in a colon (some in its full-width form or a ";").
    while (spoken.endsWith(u':') || spoken.endsWith(u'\uFF1A') || spoken.endsWith(u';'))
        spoken = spoken.chopped(1).trimmed();
    return spoken;
}

} // namespace ortavel
