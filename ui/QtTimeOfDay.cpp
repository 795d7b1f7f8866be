#include "QtTimeOfDay.h"

#include "QtText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace ortavel {

namespace {
constexpr std::int64_t kMsPerDay = 24LL * 60 * 60 * 1000;
} // namespace

std::int64_t QtTimeOfDay::msSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

std::string QtTimeOfDay::formatTime(std::int64_t msSinceMidnight) const
{
    // A difference across midnight comes in negative.
    const auto ms = static_cast<int>(((msSinceMidnight % kMsPerDay) + kMsPerDay) % kMsPerDay);
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    // An elapsed time has no zone.
    static const QRegularExpression kZone(QStringLiteral("\\s*t+\\s*"));
    format.replace(kZone, QString());
    return fromQt(locale.toString(QTime::fromMSecsSinceStartOfDay(ms), format.trimmed()));
}

} // namespace ortavel
