#pragma once

#include <QString>

#include <string>

namespace ortavel {

// Models hold UTF-8; widgets hold QString.
inline QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::string fromQt(const QString &text)
{
    return text.toStdString();
}

// A caption as a screen reader should say it: without access-key marks and
// without the trailing colon of a field label.
QString spokenName(const std::string &caption);

} // namespace ortavel
