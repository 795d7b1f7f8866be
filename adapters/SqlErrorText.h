#pragma once

#include <QSqlError>

#include <string>

namespace ortavel {

// The database's own words for an error, else the driver's, on one line.
inline std::string sqlErrorText(const QSqlError &error)
{
    QString why = error.databaseText().trimmed();
    if (why.isEmpty())
        why = error.driverText().trimmed();
    return why.simplified().toStdString();
}

} // namespace ortavel
