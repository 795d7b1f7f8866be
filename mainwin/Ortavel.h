#pragma once

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/Label.h"
#include "controls/MenuItem.h"
#include "controls/ScrollBar.h"
#include "controls/StatusBar.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "history/HistoryRecorder.h"
#include "link/Exchange.h"
#include "mainwin/AccessLevels.h"
#include "mainwin/Answers.h"
#include "mainwin/BasicSetting.h"
#include "mainwin/DataAreas.h"
#include "mainwin/DisplaySettings.h"
#include "mainwin/HeldTransmitter.h"
#include "mainwin/InstructionConsole.h"
#include "mainwin/LanguageChoice.h"
#include "mainwin/MeasuringValue.h"
#include "mainwin/OutputSettings.h"
#include "text/OperatorText.h"
#include "traffic/TrafficRecorder.h"
#include "trend/TrendRecorder.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ortavel {

class Clock;
class EventPump;
class MessageBox;
class OperationReport;
class SerialPort;
class SettingsStore;
class WindowHost;

// The main window: every control that talks to a transmitter, the serial
// control, the address list with its baud rates, and the handlers of load,
// close, port choice, bus search and the full read. Controls are public so
// that the binding and the panels' handlers reach them by their names.
class Ortavel : public Form {
public:
    static constexpr const char *kCaption = OT_TR("Ortavel", "Intelligent Transmitter Parameter Setting     Ver 1.35e");
    static constexpr const char *kAppTitle = "Kavrin";
    static constexpr const char *kSettingsSection = "Transmitter";
    static constexpr const char *kSettingsKey = "CommPort";
    static constexpr int kUnitCount = 7;
    static constexpr const char *kAddressPrompt = OT_TR("Ortavel", "在线变送器地址列表");
    static constexpr int kDefaultSearchLastAddress = 99;

    // How often the history's trouble is looked at while the line is idle.
    static constexpr int kHistoryCheckMs = 2000;

    // Every exchange goes through history as well.
    Ortavel(SerialPort &port, const Clock &clock, SettingsStore &settings, MessageBox &messages, EventPump &events,
            WindowHost &windows, HistoryRecorder &history);
    ~Ortavel() override;
    Ortavel(const Ortavel &) = delete;
    Ortavel &operator=(const Ortavel &) = delete;

    // The frame or menu a control belongs to; nullptr for the window itself.
    Control *parentOf(const Control &control) const;
    // The parent's name, or empty at window level.
    std::string parentName(const Control &control) const;

    // One exchange with a transmitter; every request of the window goes here.
    // An address that is not 01 to 99 or "AA" sends nothing: panel 1 says
    // why and the result is "ERR 0".
    std::string Comm_Send(const std::string &send_addr, const std::string &send_comm,
                          AfterFailure afterFailure = AfterFailure::Drain,
                          const std::optional<QuickSearchWait> &quick = std::nullopt);
    // The console's exchange: the instruction as typed, to the selected
    // transmitter's address or, with none selected, to no address at all.
    std::string sendInstruction(const std::string &instruction);
    // Something about the line itself (a late reply, a missing echo): added
    // to the operation under way, else shown in status panel 1.
    void lineNotice(const std::string &notice);
    // A request to the current transmitter, the entry chosen in CMB_ADDR.
    Reply ask(std::string_view command);
    // A request to the given address, judged for it.
    Reply askAt(const std::string &address, const std::string &command);
    // Writes the box's value with the letters; the box takes the answer only
    // when it echoes the value. A box without a value to send is not sent
    // and the report names it.
    void writeBox(std::string_view letters, TextBox &box, ValueKind kind, OperationReport &report);
    // The chosen entry's address; empty when none is chosen (the list's
    // prompt is never an address).
    std::string selectedAddress() const;

    // A transmitter is chosen in CMB_ADDR.
    bool hasTransmitter() const;
    // The transmitter selected now, for a window that talks to it alone.
    HeldTransmitter holdSelected() const;
    // Whether a window's transmitter may still be asked: it is selected in
    // the same selection on the same line settings, and no operation stands
    // in the way (see whyNoOperation).
    bool stillSelected(const HeldTransmitter &held) const;
    // Another window writes to transmitters while pumping events: until it
    // ends, every operation here is refused with `what` ("configurations
    // are being applied"), and the collect loop is stopped.
    void beginWindowOperation(const std::string &what);
    void endWindowOperation();
    // Why a panel's operation may not talk to a transmitter now (no
    // transmitter selected, a search running); nothing when it may.
    std::optional<std::string> whyNoOperation() const;
    // Why nothing may go on the line now, whoever asks: another window's
    // operation, or a search; nothing when it may.
    std::optional<std::string> whyLineBusy() const;
    // The same, told in the report; true when the operation must send nothing.
    bool refuses(OperationReport &report) const;
    // A request must not go out now (see whyNoOperation): told in panel 1;
    // true then. For handlers that run inside other operations too.
    bool refusesRequest();
    // The same, only for a search or a window's run under way: the line is
    // at another rate than the selected transmitter's then.
    bool refusesWhileLineBusy();
    // Every value on show stops counting as the transmitter's (its working
    // values changed under them): nothing of it goes out until read again.
    void forgetValuesShown();
    // The box's text when it may go out (see whyNotSendable); otherwise the
    // report names the letters with the reason.
    std::optional<std::string> sendable(const TextBox &box, ValueKind kind, std::string_view letters,
                                        OperationReport &report) const;
    // The same for a list's selected entry.
    std::optional<int> sendable(const ComboBox &list, std::string_view letters, OperationReport &report) const;
    // The count of selections: a value belongs to the one it was read or
    // typed in.
    const SelectionCount &selection() const { return m_selection; }
    // Puts the line on the rate of a CMB_BAND entry.
    void changeBaud(int bandIndex);

    void Form_Load();
    // False refuses the close.
    bool Form_QueryUnload();
    void COM_QUIT_Click();
    void Exit_Click();
    void About_Click();
    void UserCal_Click();
    void mnuTraffic_Click();
    void mnuTrend_Click();
    // The search with the quick wait for silent addresses; the Search
    // button is its Stop.
    void mnuQuickSearch_Click();
    // Asks for the turnaround bound and the adapter allowance.
    void mnuQuickWait_Click();
    void mnuVerify_Click();
    void mnuHistory_Click();
    void cmbCommPort_Click();
    void cmdSEARCH_Click();
    void CMB_ADDR_Click();
    void ReadTransmitterInfo();
    void cmdReFresh_Click();

    // Limits the addresses a search asks (01 to this, at most 99), for
    // benchmarks.
    void setSearchLastAddress(int lastAddress);
    int searchLastAddress() const { return m_searchLastAddress; }

    const Clock &clock() const { return m_clock; }
    SettingsStore &settingsStore() { return m_settings; }
    LanguageChoice &languageChoice() { return m_languageChoice; }
    MessageBox &messageBox() { return m_messages; }
    EventPump &eventPump() { return m_events; }
    WindowHost &windowHost() { return m_windows; }
    BasicSetting &basicSetting() { return m_basicSetting; }
    MeasuringValue &measuringValue() { return m_measuringValue; }
    DisplaySettings &displaySettings() { return m_displaySettings; }
    OutputSettings &outputSettings() { return m_outputSettings; }
    InstructionConsole &instructionConsole() { return m_instructionConsole; }
    DataAreas &dataAreas() { return m_dataAreas; }
    AccessLevels &accessLevels() { return m_accessLevels; }
    // Every exchange of Comm_Send, and the collect loop's values over time.
    TrafficRecorder &traffic() { return m_traffic; }
    TrendRecorder &trend() { return m_trend; }
    HistoryRecorder &history() { return m_history; }
    // Tells the operator when the history cannot store entries: panel 1's
    // tool tip while it lasts, and one message each time it begins (only
    // when showMessage and the line is not busy, so that no box stops a search
    // or another window's run).
    void checkHistoryTrouble(bool showMessage);

    // The serial control.
    SerialPort &MSCommBsq;

    std::array<std::string, kUnitCount> UnitNames;
    std::vector<std::int16_t> OnlineList;
    bool PollPressure = false;

    MenuItem Option{"Option", OT_TR("Ortavel", "Option(&O)")};
    MenuItem UserCal{"UserCal", OT_TR("Ortavel", "UserCal (&C)")};
    MenuItem space1{"space1", "-"};
    MenuItem About{"About", OT_TR("Ortavel", "About...(&A)")};
    MenuItem space2{"space2", "-"};
    MenuItem Exit{"Exit", OT_TR("Ortavel", "Exit(&X)")};
    MenuItem View{"View", OT_TR("Ortavel", "View(&V)")};
    MenuItem mnuTraffic{"mnuTraffic", OT_TR("Ortavel", "Traffic(&T)")};
    MenuItem mnuTrend{"mnuTrend", OT_TR("Ortavel", "Trend(&R)")};
    MenuItem mnuQuickSearch{"mnuQuickSearch", OT_TR("Ortavel", "Quick Search(&Q)")};
    MenuItem mnuQuickWait{"mnuQuickWait", OT_TR("Ortavel", "Quick Search Wait...(&W)")};
    MenuItem mnuVerify{"mnuVerify", OT_TR("Ortavel", "Verification(&E)...")};
    // Only in builds with the history.
    MenuItem mnuHistory{"mnuHistory", OT_TR("Ortavel", "History(&H)...")};
    // Each language names itself: the operator finds his own in any.
    MenuItem mnuLanguage{"mnuLanguage", OT_TR("Ortavel", "Language(&L)")};
    MenuItem mnuLanguageSpec{"mnuLanguageSpec", OT_TR("Ortavel", "Specified")};
    MenuItem mnuLanguageEnglish{"mnuLanguageEnglish", "English"};
    MenuItem mnuLanguageChinese{"mnuLanguageChinese", "中文"};
    MenuItem mnuLanguageSep{"mnuLanguageSep", "-"};
    MenuItem mnuReportLanguage{"mnuReportLanguage", OT_TR("Ortavel", "Reports")};
    MenuItem mnuReportAsWindow{"mnuReportAsWindow", OT_TR("Ortavel", "As the Window")};
    MenuItem mnuReportSpec{"mnuReportSpec", OT_TR("Ortavel", "Specified")};
    MenuItem mnuReportEnglish{"mnuReportEnglish", "English"};
    MenuItem mnuReportChinese{"mnuReportChinese", "中文"};
    MenuItem mnuConfiguration{"mnuConfiguration", OT_TR("Ortavel", "Configuration(&G)")};
    MenuItem mnuSaveConfig{"mnuSaveConfig", OT_TR("Ortavel", "Save Configuration...")};
    MenuItem mnuCompareConfig{"mnuCompareConfig", OT_TR("Ortavel", "Compare with File...")};
    MenuItem mnuApplyConfig{"mnuApplyConfig", OT_TR("Ortavel", "Apply File to Transmitters...")};

    StatusBar StatusBar1{"StatusBar1"};

    Frame frame_INFO{"frame_INFO", OT_TR("Ortavel", "Current Transmitter Information")};
    Label Label18{"Label18", OT_TR("Ortavel", "Port:")};
    ComboBox cmbCommPort{"cmbCommPort"};
    Label LBL_ADDR{"LBL_ADDR", OT_TR("Ortavel", "Addr:")};
    ComboBox CMB_ADDR{"CMB_ADDR", kAddressPrompt};
    Label Label16{"Label16", OT_TR("Ortavel", "Type:")};
    TextBox TXT_TYPE{"TXT_TYPE", "TYPE"};
    Label Label14{"Label14", OT_TR("Ortavel", "Band:")};
    TextBox TXT_BAND{"TXT_BAND", "TXT_BAND"};
    Label LBL_DPH{"LBL_DPH", OT_TR("Ortavel", "Range:")};
    TextBox TXT_SCZ{"TXT_SCZ", "SCZ"};
    Label Label15{"Label15", OT_TR("Ortavel", "～")};
    TextBox TXT_SCF{"TXT_SCF", "SCF"};
    TextBox TXT_FUNIT{"TXT_FUNIT", "UNIT"};
    Label LBL_VR{"LBL_VR", OT_TR("Ortavel", "Versie:")};
    TextBox TXT_VER{"TXT_VER", "VER"};
    Label LBL_ID{"LBL_ID", OT_TR("Ortavel", "ID:")};
    TextBox TXT_ID{"TXT_ID", "ID"};

    Button cmdSEARCH{"cmdSEARCH", OT_TR("Ortavel", "Search")};
    Button cmdReFresh{"cmdReFresh", OT_TR("Ortavel", "Reflash")};
    TextBox txtPass{"txtPass", ""};
    Button COM_QUIT{"COM_QUIT", OT_TR("Ortavel", "Exit")};
    Label Label19{"Label19", "0"};
    Label Label20{"Label20", "0"};

    Frame frame_ADBD{"frame_ADBD", OT_TR("Ortavel", "Basic Information Setting")};
    Label Label7{"Label7", OT_TR("Ortavel", "Addr:")};
    TextBox TXT_ADDR{"TXT_ADDR", "ADDR"};
    Label Label8{"Label8", OT_TR("Ortavel", "Band:")};
    ComboBox CMB_BAND{"CMB_BAND", OT_TR("Ortavel", "Choose Baud Rate")};
    Label Label22{"Label22", OT_TR("Ortavel", "Type:")};
    TextBox txtType{"txtType", "txt_Type"};
    Label Label11{"Label11", OT_TR("Ortavel", "ID:")};
    TextBox txtID{"txtID", "txtID"};
    Button COM_ADDR{"COM_ADDR", OT_TR("Ortavel", "Modify")};

    Frame frame_CVALUE{"frame_CVALUE", OT_TR("Ortavel", "Current Measuring Value")};
    Label Label5{"Label5", OT_TR("Ortavel", "Pressure:")};
    TextBox TXT_PRESSURE{"TXT_PRESSURE", "PRESSURE"};
    Label Label3{"Label3", OT_TR("Ortavel", "Unit")};
    Label lblTEMP{"lblTEMP", OT_TR("Ortavel", "Temp:")};
    TextBox TXT_TEMPERATURE{"TXT_TEMPERATURE", "TEMPERATURE"};
    Label Label4{"Label4", "℃"};
    Button cmdON_OFF{"cmdON_OFF", OT_TR("Ortavel", "Collect")};
    Button COM_SC{"COM_SC", OT_TR("Ortavel", " Zero")};
    Button cmdReset{"cmdReset", OT_TR("Ortavel", "复位")};
    Label lblMAX{"lblMAX", OT_TR("Ortavel", "最大值;")};
    TextBox txtMAX{"txtMAX", "-999.9"};
    Label lblMIN{"lblMIN", OT_TR("Ortavel", "最小值:")};
    TextBox txtMIN{"txtMIN", "+999.9"};

    Frame frame_DISP{"frame_DISP", OT_TR("Ortavel", "Digital Signal Setting")};
    Label Label21{"Label21", OT_TR("Ortavel", "Unit:")};
    ComboBox cmbUnit{"cmbUnit"};
    Label Label12{"Label12", OT_TR("Ortavel", "Decimal Digits:")};
    ComboBox Cmb_DP{"Cmb_DP"};
    Button cmdSCALE_Read{"cmdSCALE_Read", OT_TR("Ortavel", "Read")};
    Button cmdSCALE_Write{"cmdSCALE_Write", OT_TR("Ortavel", "Write")};
    Label Label9{"Label9", OT_TR("Ortavel", "Zero:")};
    TextBox TXT_DPL{"TXT_DPL", "TXT_DPL"};
    Label Label10{"Label10", OT_TR("Ortavel", "FS:")};
    TextBox TXT_DPH{"TXT_DPH", "TXT_DPH"};

    CheckBox chkSame{"chkSame", OT_TR("Ortavel", "在线变送器基本信息设置相同")};
    Button CMD_USER{"CMD_USER", OT_TR("Ortavel", "Save Modified Value")};
    Button CMD_FACT{"CMD_FACT", OT_TR("Ortavel", "写入工厂数据区")};
    Button CMD_LD{"CMD_LD", OT_TR("Ortavel", "Back to Factory Setting")};

    Frame frame_IOUT{"frame_IOUT", OT_TR("Ortavel", " Analog Output Setting")};
    Label Label1{"Label1", OT_TR("Ortavel", "4mA Output:")};
    TextBox TXT_DAL{"TXT_DAL", "DAL"};
    Label Label2{"Label2", OT_TR("Ortavel", "20mA Output")};
    TextBox TXT_DAH{"TXT_DAH", "DAH"};
    Label Label30{"Label30", OT_TR("Ortavel", "4mA Cal:")};
    TextBox TXT_DAZF{"TXT_DAZF", "DAZF"};
    ScrollBar VScroll1{"VScroll1", -5000, 5000};
    Label Label31{"Label31", OT_TR("Ortavel", "20mA Cal:")};
    TextBox TXT_DAFF{"TXT_DAFF", "DAFF"};
    ScrollBar VScroll2{"VScroll2", -5000, 5000};
    Button cmdDA_Read{"cmdDA_Read", OT_TR("Ortavel", "Read")};
    Button cmdDA_Write{"cmdDA_Write", OT_TR("Ortavel", "Write")};

    Frame Frame_Command{"Frame_Command", OT_TR("Ortavel", "Instruction Operation")};
    Label lblIns1{"lblIns1", OT_TR("Ortavel", "Instruction:")};
    TextBox txtInsSend{"txtInsSend", "RP0"};
    Label lblIns2{"lblIns2", OT_TR("Ortavel", "Return:")};
    TextBox txtReturn{"txtReturn", ""};
    Button Cmd_INS{"Cmd_INS", OT_TR("Ortavel", "Send")};

    Timer Timer1{"Timer1", 200};
    Timer tmrHistory{"tmrHistory", kHistoryCheckMs};

private:
    void registerControls();
    void setInitialState();
    void wireHandlers();
    template <typename T> T &addTo(Control *parent, T &control)
    {
        m_parents[&control] = parent;
        return add(control);
    }

    std::string exchange(const std::string &send_addr, const std::string &send_comm, AfterFailure afterFailure,
                         const std::optional<QuickSearchWait> &quick);
    void setUpPort();
    void closePortUnlessSearching();
    void closeWindowsAndPort();
    bool searching() const;
    bool searchUnderWay() const;
    // Panel 1, or the operation under way, says why nothing was sent.
    void tellRefused(const std::string &why);
    bool askAddress(int address, int bandIndex);
    void finishSearch(int lastBand);
    void readRows();
    // A read of the full read: asked, and kept for its snapshot.
    Reply readField(std::string_view command);
    void readUnitName(std::string_view command);
    void readTrim(std::string_view command, TextBox &box, ScrollBar &bar);
    void recordSnapshot(const std::string &address);
    // Another transmitter, or none, from now on: every value read or typed
    // so far belongs to the one before.
    void newSelection();
    // The same, and the values on show are greyed as not read.
    void forgetSelection();
    std::vector<Control *> valueControls();

    const Clock &m_clock;
    SettingsStore &m_settings;
    MessageBox &m_messages;
    EventPump &m_events;
    WindowHost &m_windows;
    HistoryRecorder &m_history;
    Exchange m_exchange;
    TrafficRecorder m_traffic;
    TrendRecorder m_trend;
    std::map<const Control *, Control *> m_parents;
    SelectionCount m_selection;
    int m_selectedEntry = -1;
    std::string m_openDevice;
    int m_searchLastAddress = kDefaultSearchLastAddress;
    bool m_searchRunning = false;
    // What another window is doing on the line; empty when nothing.
    std::string m_windowOperation;
    // The running search's wait for a first character; none for Search.
    std::optional<QuickSearchWait> m_searchWait;
    int m_readDepth = 0;
    // What the full read under way has read, for its snapshot.
    std::vector<SnapshotField> m_readFields;
    // The history's trouble last told; the message is not shown again
    // until it has cleared.
    std::optional<std::string> m_historyTrouble;
    bool m_historyTroubleTold = false;

    // Declared last: they wire themselves to the controls above.
    BasicSetting m_basicSetting{*this};
    MeasuringValue m_measuringValue{*this};
    DisplaySettings m_displaySettings{*this};
    OutputSettings m_outputSettings{*this};
    InstructionConsole m_instructionConsole{*this};
    DataAreas m_dataAreas{*this};
    AccessLevels m_accessLevels{*this};
    LanguageChoice m_languageChoice{*this};
};

} // namespace ortavel
