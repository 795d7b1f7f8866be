#pragma once

#include "history/HistoryStore.h"

#include <optional>
#include <string>

class QSqlDatabase;

namespace ortavel {

class SettingsStore;

// Where the history lives: an SQLite file, or a PostgreSQL database named
// by a libpq service name or a connection string without a password
// (libpq's password and service files supply the rest).
struct HistoryPlace {
    enum class Backend { Sqlite, Postgres };
    Backend backend = Backend::Sqlite;
    std::string target; // the file path, or the service name or connection string

    // "sqlite:PATH" or "postgresql:SERVICE"
    std::string text() const;
};

// Parses "sqlite:PATH" or "postgresql:SERVICE-OR-CONNINFO"; nullopt with
// the reason for anything else, or for a connection string holding a
// password.
std::optional<HistoryPlace> parseHistoryPlace(const std::string &text, std::string &error);
// The SQLite file in the user's data folder.
HistoryPlace defaultHistoryPlace();
// The place remembered for this user, else the default.
HistoryPlace rememberedHistoryPlace(const SettingsStore &settings);
bool rememberHistoryPlace(SettingsStore &settings, const HistoryPlace &place);
// The local spool beside the default store, where entries wait while the
// store cannot take them.
std::string defaultSpoolPath();

// The history over Qt SQL (QSQLITE or QPSQL), one schema and one set of
// queries for both. Each object holds a connection of its own and is used
// from one thread. Ids come from a one-row chain head updated inside each
// append, so writers in several programs take turns and ids stay gapless.
// append() keeps text as both databases can hold it: bytes that are not
// UTF-8, and NUL, become U+FFFD before the hash is taken. checkChain()
// names the first entry "changed" (content or link to the one before does
// not match its hash), "removed" (an id missing, or the head beyond the
// last row) or "added" (a row past the head).
class HistoryStoreSql final : public HistoryStore {
public:
    explicit HistoryStoreSql(HistoryPlace place);
    ~HistoryStoreSql() override;
    HistoryStoreSql(const HistoryStoreSql &) = delete;
    HistoryStoreSql &operator=(const HistoryStoreSql &) = delete;

    // Connects, and creates or migrates the schema. False, with the
    // reason, when the database cannot be reached or its schema is newer
    // than this program knows (it then refuses to write).
    bool open();
    bool isOpen() const;
    const HistoryPlace &place() const { return m_place; }

    bool append(std::vector<HistoryEntry> &entries) override;
    std::optional<std::vector<HistoryEntry>> entries(const HistoryFilter &filter) override;
    std::optional<std::vector<HistoryEntry>> latestPerTransmitter() override;
    std::optional<ChainBreak> checkChain() override;
    std::optional<int> nextReportSequence(const std::string &prefix, int year) override;
    std::string errorString() const override { return m_error; }

private:
    // This object's connection; false, with the reason kept, when it is not open.
    bool connection(QSqlDatabase &db);

    HistoryPlace m_place;
    std::string m_connection; // the Qt connection name, unique per object
    std::string m_error;
    bool m_appended = false;
};

} // namespace ortavel
