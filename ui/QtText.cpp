#include "QtText.h"

namespace ortavel {

QString spokenName(const std::string &caption)
{
    const QString text = toQt(caption);
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
