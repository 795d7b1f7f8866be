#include "QtSystemTools.h"

#include "QtText.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace ortavel {

std::string QtSystemTools::findProgram(const std::string &name) const
{
    return fromQt(QStandardPaths::findExecutable(toQt(name)));
}

bool QtSystemTools::fileExists(const std::string &path) const
{
    return QFileInfo(toQt(path)).isFile();
}

bool QtSystemTools::startProgram(const std::string &path)
{
    // A path from the registry may come in quotes.
    QString program = toQt(path);
    if (program.size() > 1 && program.startsWith(u'"') && program.endsWith(u'"'))
        program = program.mid(1, program.size() - 2);
    return QProcess::startDetached(program, {});
}

bool QtSystemTools::openUrl(const std::string &url)
{
    return QDesktopServices::openUrl(QUrl(toQt(url)));
}

} // namespace ortavel
