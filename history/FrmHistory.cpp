#include "FrmHistory.h"

#include "OperatorName.h"
#include "controls/MessageBox.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <set>

namespace ortavel {

namespace {

constexpr const char *kTitle = OT_TR("Ortavel", "History");
constexpr std::int64_t kMinuteMs = 60LL * 1000;

// A whole number from low to high, and nothing else.
std::optional<int> boundedNumber(const std::string &text, int low, int high)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// Midnight of a "YYYY-MM-DD" day at the given offset, in UTC milliseconds.
std::optional<std::int64_t> dayStartMs(const std::string &text, int utcOffsetMinutes)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = boundedNumber(text.substr(0, 4), 1970, 9999);
    const auto month = boundedNumber(text.substr(5, 2), 1, 12);
    const auto day = boundedNumber(text.substr(8, 2), 1, 31);
    if (!year || !month || !day)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    const auto utcMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::sys_days{date}.time_since_epoch());
    return utcMs.count() - std::int64_t{utcOffsetMinutes} * kMinuteMs;
}

// A changed setting, table or interval: what the changes table lists.
bool isChange(const HistoryEntry &entry)
{
    return entry.kind == EntryKind::Write || entry.kind == EntryKind::Calibration || entry.kind == EntryKind::Interval;
}

// A CSV field: quoted when it holds a separator, a quote or a line end.
std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

} // namespace

FrmHistory::FrmHistory(HistoryStore &store, std::function<bool()> connect, HistoryRecorder &recorder,
                       SettingsStore &settings, MessageBox &messages, std::function<TimeStamp()> now)
    : Form("History", OT_TR("Ortavel", "Instrument history")), m_store(store), m_connect(std::move(connect)),
      m_recorder(recorder), m_settings(settings), m_messages(messages), m_now(std::move(now))
{
    for (Control *control : std::initializer_list<Control *>{
             &lblStatus,   &cmdRefresh,  &lblOperator, &txtOperator, &lblTransmitter, &cmbTransmitter, &lblInterval,
             &txtInterval, &cmdInterval, &lblDueDays,  &txtDueDays,  &lblParameter,   &cmbParameter,   &lblSince,
             &txtSince,    &cmdSaveCsv,  &lblFirst,    &cmbFirst,    &lblSecond,      &cmbSecond})
        add(*control);
    txtOperator.setText(rememberedOperatorName(m_settings));
    txtOperator.setToolTip(OT_TR("Ortavel", "Your name, recorded with every entry beside the login"));
    txtSince.setToolTip(OT_TR("Ortavel", "Only changes on or after this day"));

    cmdRefresh.onClick = [this] { cmdRefresh_Click(); };
    cmdInterval.onClick = [this] { cmdInterval_Click(); };
    cmdSaveCsv.onClick = [this] { cmdSaveCsv_Click(); };
    txtOperator.onChange = [this] { txtOperator_Change(); };
    txtDueDays.onChange = [this] {
        showDue();
        tablesChanged();
    };
    txtSince.onChange = [this] {
        filterChanges();
        tablesChanged();
    };
    wireLists();
    cmdRefresh_Click();
}

// The lists are filled with their handlers off: each pick would load and
// draw everything again.
void FrmHistory::unwireLists()
{
    for (ComboBox *list : {&cmbTransmitter, &cmbParameter, &cmbFirst, &cmbSecond})
        list->onClick = nullptr;
}

void FrmHistory::wireLists()
{
    cmbTransmitter.onClick = [this] { cmbTransmitter_Click(); };
    cmbParameter.onClick = txtSince.onChange;
    const auto compareShown = [this] {
        compare();
        tablesChanged();
    };
    cmbFirst.onClick = compareShown;
    cmbSecond.onClick = compareShown;
}

const TransmitterSummary *FrmHistory::chosen() const
{
    const int index = cmbTransmitter.selectedIndex();
    return index < 0 || index >= static_cast<int>(m_transmitters.size())
               ? nullptr
               : &m_transmitters[static_cast<std::size_t>(index)];
}

void FrmHistory::tablesChanged() const
{
    if (onTablesChanged)
        onTablesChanged();
}

// The tables empty, the reason shown: a store out of reach is no history
// without entries.
void FrmHistory::fail(const std::string &what)
{
    const std::string why = m_store.errorString();
    lblStatus.setCaption(why.empty() ? fill(OT_TR("Ortavel", "The history %1."), {what})
                                     : fill(OT_TR("Ortavel", "The history %1: %2"), {what, why}));
    m_transmitters.clear();
    m_due.clear();
    m_entries.clear();
    m_changes.clear();
    m_snapshots.clear();
    m_comparison.clear();
    m_runs.clear();
    m_driftNominals.clear();
    m_driftPoints.clear();
    unwireLists();
    for (ComboBox *list : {&cmbTransmitter, &cmbParameter, &cmbFirst, &cmbSecond})
        list->clear();
    wireLists();
    txtInterval.setText("");
    tablesChanged();
}

void FrmHistory::cmdRefresh_Click()
{
    const std::string kept = chosen() != nullptr ? chosen()->ident : std::string();
    if (m_connect && !m_connect()) {
        fail(OT_TR("Ortavel", "cannot be reached"));
        return;
    }
    auto list = ortavel::transmitters(m_store, kDefaultIntervalMonths);
    if (!list) {
        fail(OT_TR("Ortavel", "cannot be read"));
        return;
    }
    m_transmitters = std::move(*list);
    lblStatus.setCaption(m_transmitters.empty() ? std::string(OT_TR("Ortavel", "The history holds no transmitter yet."))
                                                : fill(OT_TR("Ortavel", "%1 transmitters known."),
                                                       {std::to_string(m_transmitters.size())}));
    unwireLists();
    cmbTransmitter.clear();
    int keep = m_transmitters.empty() ? -1 : 0;
    for (std::size_t i = 0; i < m_transmitters.size(); ++i) {
        cmbTransmitter.addItem(m_transmitters[i].ident, static_cast<int>(i));
        if (m_transmitters[i].ident == kept)
            keep = static_cast<int>(i);
    }
    cmbTransmitter.setSelectedIndex(keep);
    wireLists();
    showDue();
    loadChosen();
}

void FrmHistory::cmbTransmitter_Click()
{
    loadChosen();
}

void FrmHistory::loadChosen()
{
    m_entries.clear();
    m_snapshots.clear();
    m_runs.clear();
    m_driftNominals.clear();
    m_driftPoints.clear();
    const TransmitterSummary *t = chosen();
    txtInterval.setText(t != nullptr ? std::to_string(t->intervalMonths) : std::string());
    if (t != nullptr) {
        HistoryFilter filter;
        filter.ident = t->ident;
        auto all = historyOf(m_store, filter);
        if (!all) {
            fail(OT_TR("Ortavel", "cannot be read"));
            return;
        }
        m_entries = std::move(*all);
    }

    std::set<std::string> parameters;
    for (const HistoryEntry &e : m_entries) {
        if (isChange(e))
            parameters.insert(e.parameter);
        if (e.kind == EntryKind::Snapshot)
            m_snapshots.push_back(e);
        if (e.kind == EntryKind::Verification)
            m_runs.insert(m_runs.begin(), e);
    }
    const std::string parameter = cmbParameter.text();
    unwireLists();
    cmbParameter.clear();
    cmbParameter.addItem(kAll, 0);
    int keep = 0;
    for (const std::string &p : parameters) {
        if (p == parameter)
            keep = cmbParameter.count();
        cmbParameter.addItem(p, cmbParameter.count());
    }
    cmbParameter.setSelectedIndex(keep);

    for (ComboBox *list : {&cmbFirst, &cmbSecond}) {
        list->clear();
        for (std::size_t i = 0; i < m_snapshots.size(); ++i)
            list->addItem(dateText(m_snapshots[i].timeMs, m_snapshots[i].utcOffsetMinutes), static_cast<int>(i));
    }
    // The one before the newest against the newest.
    cmbFirst.setSelectedIndex(m_snapshots.size() > 1 ? 1 : m_snapshots.empty() ? -1 : 0);
    cmbSecond.setSelectedIndex(m_snapshots.empty() ? -1 : 0);
    wireLists();

    for (const HistoryEntry &run : m_runs) {
        m_driftPoints.push_back(pointErrors(run));
        for (const PointError &p : m_driftPoints.back()) {
            if (std::find(m_driftNominals.begin(), m_driftNominals.end(), p.nominal) == m_driftNominals.end())
                m_driftNominals.push_back(p.nominal);
        }
    }
    std::sort(m_driftNominals.begin(), m_driftNominals.end());
    filterChanges();
    compare();
    tablesChanged();
}

void FrmHistory::filterChanges()
{
    m_changes.clear();
    const std::string parameter = cmbParameter.selectedIndex() > 0 ? cmbParameter.text() : std::string();
    const std::string since = txtSince.text();
    const auto sinceMs = dayStartMs(since, m_now().utcOffsetMinutes);
    if (!since.empty() && !sinceMs)
        lblStatus.setCaption(OT_TR("Ortavel", "Since: type a day as YYYY-MM-DD; until then every change is shown."));
    for (const HistoryEntry &e : m_entries) {
        if (isChange(e) && (parameter.empty() || e.parameter == parameter) && (!sinceMs || e.timeMs >= *sinceMs))
            m_changes.push_back(e);
    }
}

void FrmHistory::compare()
{
    const int first = cmbFirst.selectedIndex();
    const int second = cmbSecond.selectedIndex();
    const auto count = static_cast<int>(m_snapshots.size());
    m_comparison = first < 0 || second < 0 || first >= count || second >= count
                       ? std::vector<SnapshotRow>{}
                       : compareSnapshots(m_snapshots[static_cast<std::size_t>(first)],
                                          m_snapshots[static_cast<std::size_t>(second)]);
}

void FrmHistory::showDue()
{
    const int days = boundedNumber(txtDueDays.text(), 0, kMaxDueDays).value_or(kDefaultDueDays);
    m_due = dueWithin(m_transmitters, m_now().utcMs, days);
}

std::optional<double> FrmHistory::driftError(int run, int nominal) const
{
    if (run < 0 || run >= static_cast<int>(m_driftPoints.size()) || nominal < 0 ||
        nominal >= static_cast<int>(m_driftNominals.size()))
        return std::nullopt;
    // A nominal taken up and down shows its upward error.
    for (const PointError &p : m_driftPoints[static_cast<std::size_t>(run)]) {
        if (p.nominal == m_driftNominals[static_cast<std::size_t>(nominal)])
            return p.error;
    }
    return std::nullopt;
}

void FrmHistory::cmdInterval_Click()
{
    const TransmitterSummary *t = chosen();
    if (t == nullptr)
        return;
    const auto months = boundedNumber(txtInterval.text(), 1, kMaxIntervalMonths);
    if (!months) {
        m_messages.show(fill(OT_TR("Ortavel", "Not set: the interval takes a whole number of months from 1 to %1."),
                             {std::to_string(kMaxIntervalMonths)}),
                        kTitle, true);
        return;
    }
    Identity identity;
    identity.ident = t->ident;
    identity.type = t->type;
    identity.version = t->version;
    m_recorder.interval(identity, *months);
    lblStatus.setCaption(fill(OT_TR("Ortavel", "Interval of %1 set to %2 months; Refresh shows the due date it gives."),
                              {t->ident, std::to_string(*months)}));
}

void FrmHistory::txtOperator_Change()
{
    rememberOperatorName(m_settings, txtOperator.text());
    m_recorder.setOperatorName(txtOperator.text());
}

std::string FrmHistory::dateText(std::int64_t timeMs, int utcOffsetMinutes)
{
    // "2026-12-07T17:20:51.123+01:00" without the milliseconds.
    const std::string text = timeText(timeMs, utcOffsetMinutes);
    return text.substr(0, 10) + " " + text.substr(11, 8) + " " + text.substr(23);
}

bool FrmHistory::saveCsv(const std::string &path) const
{
    return writeFile(path, [this](std::ostream &out) {
        out << "time,kind,address,parameter,before,sent,echo,result,login,operator,host,program,port,baud\n";
        for (const HistoryEntry &e : m_changes) {
            for (const std::string &field : {timeText(e.timeMs, e.utcOffsetMinutes), std::string(kindName(e.kind)),
                                             e.address, e.parameter, e.before, e.sent, e.echo, e.result, e.origin.login,
                                             e.origin.operatorName, e.origin.host, e.origin.program, e.port})
                out << csvField(field) << ',';
            out << e.baud << '\n';
        }
    });
}

void FrmHistory::cmdSaveCsv_Click()
{
    // The ID is the plant's text: only its plain characters go into a file name.
    std::string name = chosen() != nullptr ? chosen()->ident : std::string("none");
    for (char &c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '-')
            c = '_';
    }
    saveToChosenFile(chooseSaveFile, "history-" + name + ".csv", kTitle, m_messages,
                     [this](const std::string &path) { return saveCsv(path); });
}

} // namespace ortavel
