#include "FileDigest.h"

#include <QCryptographicHash>
#include <QFile>

namespace ortavel {

std::optional<std::string> fileSha256(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result().toHex().toStdString();
}

} // namespace ortavel
