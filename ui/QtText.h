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

class TextTranslator;

// A model's text as the operator reads it, in the window's language: what the
// models hold stays as written, so every view shows its texts through this.
// Values and what the operator typed go through toQt(), never through this.
QString shown(const std::string &text);
// The same, looked up first among the texts of `context`.
QString shown(const std::string &text, const char *context);
// The window's language from now on; nullptr for the texts as written. The
// translator must outlive its use.
void setShownTranslator(const TextTranslator *translator);

// A caption as a screen reader should say it: without access-key marks and
// without the trailing colon of a field label.
QString spokenName(const QString &caption);

} // namespace ortavel
