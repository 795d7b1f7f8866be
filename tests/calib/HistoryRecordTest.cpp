#include "WindowFixture.h"
#include "calib/frmYHJZ.h"
#include "verify/FrmVerify.h"

#include <nlohmann/json.hpp>

#include <filesystem>

namespace ortavel::test {
namespace {

// The entries since `from`, one line each: kind, parameter, before > sent, result.
std::string entriesSince(const MemoryHistoryStore &store, std::size_t from)
{
    std::string out;
    const auto &all = store.all();
    for (std::size_t i = from; i < all.size(); ++i) {
        const HistoryEntry &e = all[i];
        out += (out.empty() ? "" : " | ") + std::string(kindName(e.kind)) + " " + e.address + ":" + e.parameter + " " +
               e.before + ">" + e.sent + " " + e.result;
    }
    return out;
}

class HistoryRecordTest : public ReadFixture {
protected:
    std::string since(std::size_t from) const { return entriesSince(history.store, from); }
};

// Every write form the window sends lands in exactly one entry, with the value read before it; what the window
// refuses to send leaves none.
TEST(HistoryRecord, EachWriteSentIsOneEntryAndNothingRefusedIsRecorded)
{
    const struct {
        const char *name;
        std::function<void(Ortavel &)> act;
        const char *entries;
    } rows[] = {
        {"Modify", [](Ortavel &w) { w.txtID.type("TAG9"), w.COM_ADDR.click(); },
         "write 07:AD not read>07 confirmed | write 07:BD not read>3 confirmed | write 07:TY PT100>PT100 confirmed | "
         "write 07:ID SN4711>TAG9 confirmed"},
        {"trim bar step", [](Ortavel &w) { w.VScroll1.setValue(w.VScroll1.value() + 1); },
         "write 07:ZF +0123>+0124 confirmed"},
        {"display Write", [](Ortavel &w) { w.TXT_DPH.type("+200.0"), w.cmdSCALE_Write.click(); },
         "write 07:UT 2>2 confirmed | write 07:DP 1>1 confirmed | write 07:DL +000.0>+000.0 confirmed | "
         "write 07:DH +100.0>+200.0 confirmed"},
        {"Zero", [](Ortavel &w) { w.COM_SC.click(); }, "write 07:SZ >SZ confirmed"},
        {"console", [](Ortavel &w) { w.txtInsSend.setText("OL+001.5"), w.Cmd_INS.click(); },
         "write 07:OL +000.0>+001.5 confirmed"},
        {"Save Modified Value to all", [](Ortavel &w) { w.chkSame.setChecked(true), w.CMD_USER.click(); },
         "write AA:TY not read>PT100 broadcast | write AA:UT not read>2 broadcast | write AA:DP not read>1 broadcast | "
         "write AA:DL not read>+000.0 broadcast | write AA:DH not read>+100.0 broadcast | "
         "write AA:OL not read>+000.0 broadcast | write AA:OH not read>+100.0 broadcast | "
         "write AA:ZF not read>+0123 broadcast | write AA:FF not read>-0045 broadcast | "
         "write AA:WU >WU broadcast | write 07:WU >WU confirmed"},
        {"a value not read", [](Ortavel &w) { w.TXT_DAL.showFailure("ERR 0"), w.cmdDA_Write.click(); },
         "write 07:OH +100.0>+100.0 confirmed | write 07:ZF +0123>+0123 confirmed | write 07:FF -0045>-0045 confirmed"},
        {"no transmitter selected", [](Ortavel &w) { w.CMB_ADDR.setSelectedIndex(-1), w.COM_ADDR.click(); }, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto rig = std::make_unique<WindowRig>();
        rig->rememberPort("3");
        rig->window.Form_Load();
        FakeTransmitter &transmitter = rig->bus.add("07", {3});
        transmitter.values = FakeBus::typicalValues("1.50");
        transmitter.values.insert({{"WU", "OK"}, {"SZ", "OK"}, {"AD", "07"}, {"BD", "3"}});
        rig->window.setSearchLastAddress(8);
        rig->window.cmdSEARCH.click();
        const std::size_t from = rig->history.store.all().size();
        row.act(rig->window);
        EXPECT_EQ(entriesSince(rig->history.store, from), row.entries);
    }
}

// The full read leaves one snapshot of every field with its result as read; the calibration window records each
// table read and written; a finished run goes in once it is final, with the files saved for it.
TEST_F(HistoryRecordTest, SnapshotsTablesAndRunsAreRecorded)
{
    FakeTransmitter &transmitter = findAndRead("1.50", 3, [](FakeTransmitter &t) { t.silent = {"RT"}; });
    const HistoryEntry snapshot = history.store.all().back();
    EXPECT_EQ(snapshot.kind, EntryKind::Snapshot);
    EXPECT_EQ(snapshot.identity.ident, "SN4711");
    EXPECT_EQ(snapshot.result, "12 of 13 read");
    const auto fields = nlohmann::json::parse(snapshot.detail)["fields"];
    EXPECT_EQ(fields[0]["value"], "PT100");
    EXPECT_EQ(fields.back()["parameter"], "RT0");
    EXPECT_EQ(fields.back()["good"], false);

    transmitter.script = [](const std::string &command) -> std::optional<std::string> {
        if (command.starts_with("PN"))
            return command.size() > 2 ? command.substr(2) : "1";
        if (command.starts_with("UC") || command.starts_with("FC"))
            return command.size() > 3 ? command.substr(3) : "+001.0";
        return command == "WU" ? std::optional<std::string>("OK") : std::nullopt;
    };
    std::size_t from = history.store.all().size();
    {
        frmYHJZ calibration(window);
        calibration.Form_Load();
        calibration.CmdReCal.click();
        calibration.txtCLYL(0).type("+002.0");
        calibration.cmdSAVE.click();
    }
    EXPECT_EQ(since(from), "calibration 07:table > read | write 07:PN 1>0 confirmed | write 07:PN 0>1 confirmed | "
                           "write 07:FC0 +001.0>+002.0 confirmed | write 07:UC0 +001.0>+001.0 confirmed | "
                           "write 07:WU >WU confirmed | calibration 07:table > written");
    const auto &all = history.store.all();
    const auto written = nlohmann::json::parse(all.back().detail);
    EXPECT_EQ(all.back().result, "written");
    EXPECT_EQ(written["before"][0]["measured"], "+001.0");
    EXPECT_EQ(written["after"], nlohmann::json::parse(R"([{"point":1,"standard":"+001.0","measured":"+002.0"}])"));

    from = history.store.all().size();
    FrmVerify verification(window);
    verification.txtPoints.setText("0,100");
    verification.txtSamples.setText("1");
    const std::string csv = (std::filesystem::temp_directory_path() / "history-record-test.csv").string();
    verification.chooseSaveFile = [&csv](const std::string &) { return csv; };
    verification.fileSha256 = [](const std::string &) { return std::string("5ca1ab1e"); };
    verification.cmdStart.click();
    for (int point = 0; point < 2; ++point) {
        verification.cmdTake.click();
        verification.tmrSample.tick();
    }
    ASSERT_TRUE(verification.run()->done());
    EXPECT_EQ(since(from).find("verification"), std::string::npos) << "recorded before it is final";
    verification.cmdSaveCsv.click();
    std::filesystem::remove(csv);
    verification.queryUnload();
    verification.queryUnload();
    const HistoryEntry &run = history.store.all().back();
    EXPECT_EQ(since(from).find("verification"), since(from).rfind("verification")) << "recorded twice";
    EXPECT_EQ(run.kind, EntryKind::Verification);
    EXPECT_EQ(run.parameter, "as-found");
    EXPECT_EQ(run.result, "fail"); // RP0 +012.34 against 0 and 100
    const auto detail = nlohmann::json::parse(run.detail);
    EXPECT_EQ(detail["points"][1]["nominal"], 100.0);
    EXPECT_DOUBLE_EQ(detail["points"][1]["error"].get<double>(), 12.34 - 100.0);
    EXPECT_EQ(detail["points"][1]["samples"], nlohmann::json::parse("[12.34]"));
    // Built, not pasted into JSON text: a Windows path's backslashes must be escaped.
    EXPECT_EQ(detail["files"], nlohmann::json::array({{{"path", csv}, {"sha256", "5ca1ab1e"}}}));
}

// Trouble of the store shows in panel 1's tool tip after an exchange, and once as a message on the timer until it
// clears.
TEST_F(HistoryRecordTest, TroubleIsShownOnceUntilItClears)
{
    findAndRead();
    messages.shown.clear();
    history.sink.setTrouble("the server is down");
    window.cmdReFresh.click();
    EXPECT_EQ(window.StatusBar1.panelToolTip(1), "History: the server is down");
    EXPECT_TRUE(messages.shown.empty());
    window.tmrHistory.tick();
    window.tmrHistory.tick();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_NE(messages.shown[0].text.find("the server is down"), std::string::npos);
    history.sink.setTrouble(std::nullopt);
    window.tmrHistory.tick();
    EXPECT_EQ(window.StatusBar1.panelToolTip(1), "");
    history.sink.setTrouble("the disk is full");
    window.tmrHistory.tick();
    EXPECT_EQ(messages.shown.size(), 2U);
}

} // namespace
} // namespace ortavel::test
