#include "RunHistory.h"

#include "CommonOptions.h"
#include "ExchangeBus.h"
#include "adapters/SettingsStoreQt.h"
#include "history/HistoryQueries.h"
#include "link/Commands.h"
#include "link/SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSysInfo>

#include <cstdio>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace ortavel::cli {

namespace {

constexpr const char *kApplication = "Ortavel";
constexpr const char *kSection = "History";
constexpr int kFlushMs = 15000;
constexpr int kMaxIntervalMonths = 120;

std::string loginName()
{
    for (const char *name : {"USER", "USERNAME"}) {
        const QString login = qEnvironmentVariable(name);
        if (!login.isEmpty())
            return login.toStdString();
    }
#ifndef _WIN32
    if (const char *login = ::getlogin())
        return login;
#endif
    return {};
}

} // namespace

std::optional<ChosenPlace> chosenHistoryPlace(const CommonOptions &options, const SettingsStore &settings,
                                              std::string &error)
{
    if (options.history) {
        auto place = parseHistoryPlace(*options.history, error);
        if (!place) {
            error = "--history: " + error;
            return std::nullopt;
        }
        return ChosenPlace{*place, "option"};
    }
    const HistoryPlace remembered = rememberedHistoryPlace(settings);
    const bool isDefault = remembered.text() == defaultHistoryPlace().text();
    return ChosenPlace{remembered, isDefault ? "default" : "remembered"};
}

std::unique_ptr<HistoryStoreSql> openHistoryStore(const CommonOptions &options, std::string &error)
{
    const SettingsStoreQt settings(QString::fromStdString(options.settingsDir));
    const auto chosen = chosenHistoryPlace(options, settings, error);
    if (!chosen)
        return nullptr;
    auto store = std::make_unique<HistoryStoreSql>(chosen->place);
    if (!store->open()) {
        error = "history: cannot open " + chosen->place.text() + ": " + store->errorString();
        return nullptr;
    }
    return store;
}

std::string localTimeText(std::int64_t utcMs)
{
    return timeText(utcMs, QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc() / 60);
}

Origin runOrigin(const CommonOptions &options, const SettingsStore &settings)
{
    Origin origin;
    origin.login = loginName();
    origin.operatorName =
        options.operatorName ? *options.operatorName : settings.value(kApplication, kSection, "Operator", "");
    origin.host = QSysInfo::machineHostName().toStdString();
    origin.program = "ortavel-cli " + QCoreApplication::applicationVersion().toStdString();
    return origin;
}

int defaultIntervalMonths(const SettingsStore &settings)
{
    const auto months =
        parseBoundedInt(settings.value(kApplication, kSection, "IntervalMonths", ""), 1, kMaxIntervalMonths);
    return months.value_or(kDefaultIntervalMonths);
}

bool reportTrouble(const HistorySink &sink)
{
    const auto trouble = sink.trouble();
    if (trouble)
        std::fprintf(stderr, "ortavel-cli: history: %s\n", trouble->c_str());
    return trouble.has_value();
}

RunHistory::RunHistory(const HistoryPlace &place, Origin origin)
    : m_writer(std::make_shared<HistoryWriter>(place, defaultSpoolPath())), m_ownsWriter(true),
      m_recorder(*m_writer, std::move(origin))
{
}

RunHistory::RunHistory(std::shared_ptr<HistoryWriter> shared, Origin origin)
    : m_writer(std::move(shared)), m_ownsWriter(false), m_recorder(*m_writer, std::move(origin))
{
}

void RunHistory::attach(ExchangeBus &bus, std::string device)
{
    m_device = std::move(device);
    m_baud = bus.baud();
    m_recorder.setLine(m_device, m_baud);
    bus.setHistory(&m_recorder);
    bus.setSentHook([this](const std::string &address, const std::string &command, const std::string &result) {
        m_recorder.exchanged(address, command, result);
        m_followsBaudWrite = command.size() > cmd::Baud.size() && command.starts_with(cmd::Baud) &&
                             isBaudConfirmed(result, address, command.substr(cmd::Baud.size()));
    });
    bus.setBaudHook([this](int baud) {
        if (baud == m_baud)
            return;
        // Another rate may reach another transmitter at the same address;
        // the line following a confirmed rate change stays with the same.
        m_baud = baud;
        if (!m_followsBaudWrite)
            m_recorder.forgetAll();
        m_recorder.setLine(m_device, baud);
    });
}

void finishWriter(HistoryWriter &writer)
{
    writer.flush(kFlushMs);
    reportTrouble(writer);
}

void RunHistory::finish()
{
    if (m_ownsWriter)
        finishWriter(*m_writer);
}

} // namespace ortavel::cli
