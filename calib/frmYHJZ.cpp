#include "frmYHJZ.h"

#include "controls/MessageBox.h"
#include "controls/WindowHost.h"
#include "history/DetailJson.h"
#include "link/Commands.h"
#include "link/Numbers.h"
#include "link/SerialPort.h"
#include "mainwin/AccessLevels.h"
#include "mainwin/Ortavel.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace ortavel {

namespace {

constexpr const char *kFactoryTitle = OT_TR("Ortavel", "Save to Factury");
constexpr const char *kNoTransmitter =
    OT_TR("Ortavel", "No transmitter is selected in the main window; close this window, choose one and open it again.");

// The count a text starts with, when it starts with a number at all.
std::optional<int> leadingCount(const std::string &text)
{
    const auto number = numberAtStart(text);
    return number ? wholeNumber32(*number) : std::nullopt;
}

// The count as the operator typed or picked it: a whole number of points, 0
// to 8, and nothing else ("2.5" is no count).
std::optional<int> pointCountOf(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const auto end = text.find_last_not_of(' ') + 1;
    int count = -1;
    const auto [stop, failure] = std::from_chars(text.data() + first, text.data() + end, count);
    if (failure != std::errc() || stop != text.data() + end || count < 0 || count > frmYHJZ::kPoints)
        return std::nullopt;
    return count;
}

// A value into a box; an error result, a reply of another address, or a
// reply without a number, is shown whole and is no value.
bool take(TextBox &box, const std::string &result, const std::string &address)
{
    if (!isReplyFrom(result, address) || !isNumberText(replyData(result))) {
        box.showFailure(shownResult(result));
        return false;
    }
    box.setText(replyData(result));
    return true;
}

// "point 3", "points 1, 2, 5": the numbers are values, the words a pattern.
std::string pointList(const std::vector<int> &points)
{
    std::string numbers;
    for (std::size_t i = 0; i < points.size(); ++i)
        numbers += (i == 0 ? "" : ", ") + std::to_string(points[i]);
    return fill(points.size() == 1 ? OT_TR("Ortavel", "point %1") : OT_TR("Ortavel", "points %1"), {numbers});
}

} // namespace

frmYHJZ::frmYHJZ(Ortavel &main) : Form("frmYHJZ", kCaption), m_main(main)
{
    for (Control *control : std::initializer_list<Control *>{&Label1, &Combo1, &Label2, &Label3, &Label4})
        add(*control);
    for (auto *row : {&txtLLYL, &txtCLYL}) {
        for (int i = 0; i < kPoints; ++i)
            add((*row)(i));
    }
    for (int i = 0; i < kPoints; ++i)
        add(cmdYL(i));
    // The access code box comes after Exit, which it lies on.
    for (Control *control : std::initializer_list<Control *>{&cmdReadCAL, &CmdReCal, &cmdSAVE, &cmdSaveFactory,
                                                             &cmdExit, &txtPass, &Frame1, &Text1})
        add(*control);

    Combo1.setEditable(true);
    for (int count = 0; count <= kPoints; ++count)
        Combo1.addItem(std::to_string(count), count);
    Combo1.setEnabled(false);
    cmdSAVE.setEnabled(false);
    cmdSaveFactory.setVisible(false);
    Text1.setMultiLine(true);

    onClick = [this] { Form_Click(); };
    onQueryUnload = [this] {
        Form_QueryUnload();
        return true;
    };
    txtPass.onChange = [this] { txtPass_Change(); };
    Combo1.onClick = [this] { Combo1_Click(); };
    cmdReadCAL.onClick = [this] { cmdReadCAL_Click(); };
    CmdReCal.onClick = [this] { CmdReCal_Click(); };
    for (int i = 0; i < kPoints; ++i)
        cmdYL(i).onClick = [this, i] { cmdYL_Click(static_cast<std::int16_t>(i)); };
    cmdSAVE.onClick = [this] { cmdSAVE_Click(); };
    cmdSaveFactory.onClick = [this] { cmdSaveFactory_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
}

Control *frmYHJZ::parentOf(const Control &control) const
{
    return &control == &Text1 ? const_cast<Frame *>(&Frame1) : nullptr;
}

std::string frmYHJZ::ask(const std::string &command)
{
    return m_main.Comm_Send(m_held.address, command);
}

bool frmYHJZ::ownTransmitterSelected() const
{
    return m_main.stillSelected(m_held);
}

// Another entry, a search, a port change or a new address: the table read
// belongs to a transmitter the main window no longer shows.
bool frmYHJZ::refused()
{
    if (ownTransmitterSelected())
        return false;
    std::string text;
    if (m_held.address.empty())
        text = kNoTransmitter;
    else if (m_main.hasTransmitter() && m_main.whyNoOperation())
        text = fill(OT_TR("Ortavel", "Nothing sent: %1; try again when it has ended."), {*m_main.whyNoOperation()});
    else
        text = fill(OT_TR("Ortavel",
                          "The transmitter %1 read by this window is no longer selected; close the window and open "
                          "it again."),
                    {m_held.address});
    m_main.messageBox().show(text, Ortavel::kAppTitle, true);
    return true;
}

void frmYHJZ::Form_Load()
{
    CalSaved = 0;
    Label2.setCaption(fill(OT_TR("Ortavel", "Unit:  %1"), {m_main.cmbUnit.text()}));
    m_held = m_main.holdSelected();
    if (refused())
        return;
    Unread unread;
    unread.count = !readPointCount();
    // Without a count read there is none to give back at closing.
    OldPointCount = unread.count ? std::string() : std::to_string(Combo1.selectedIndex());
    for (int i = 0; i < kPoints; ++i) {
        const bool standard = take(txtLLYL(i), ask(cmd::point(cmd::Standard, i)), m_held.address);
        const bool measured = take(txtCLYL(i), ask(cmd::point(cmd::Measured, i)), m_held.address);
        if (!standard || !measured)
            unread.points.push_back(i + 1);
    }
    recordTableRead();
    reportUnread(unread);
}

// False when the answer is no count the list holds; the list stays then.
bool frmYHJZ::readPointCount()
{
    const std::string result = ask(std::string(cmd::PointCount));
    if (!isReplyFrom(result, m_held.address))
        return false;
    const auto number = numberAtStart(replyData(result));
    const auto count = number ? wholeNumber16(*number) : std::nullopt;
    if (!count || *count < 0 || *count > kPoints)
        return false;
    Combo1.setSelectedIndex(*count);
    return true;
}

void frmYHJZ::cmdReadCAL_Click()
{
    if (refused())
        return;
    Unread unread;
    unread.count = !readPointCount();
    for (int i = 0; i < kPoints; ++i) {
        const bool measured = take(txtCLYL(i), ask(cmd::point(cmd::Measured, i)), m_held.address);
        const bool standard = take(txtLLYL(i), ask(cmd::point(cmd::Standard, i)), m_held.address);
        if (!standard || !measured)
            unread.points.push_back(i + 1);
    }
    recordTableRead();
    reportUnread(unread);
}

std::string frmYHJZ::tableJson(int points) const
{
    const auto value = [](const TextBox &box) {
        return box.holdsValue() && isNumberText(box.text()) ? jsonQuoted(box.text()) : std::string("null");
    };
    std::string json = "[";
    for (int i = 0; i < points; ++i) {
        json += (i == 0 ? "" : ",") + std::string("{\"point\":") + std::to_string(i + 1) +
                ",\"standard\":" + value(txtLLYL(i)) + ",\"measured\":" + value(txtCLYL(i)) + "}";
    }
    return json + "]";
}

void frmYHJZ::recordTableRead()
{
    std::string read = tableJson(kPoints);
    m_main.history().calibration(m_held.address, OT_TR("Ortavel", "read"), m_table, read);
    m_table = std::move(read);
}

void frmYHJZ::reportUnread(const Unread &unread)
{
    if (!unread.count && unread.points.empty())
        return;
    std::string text;
    if (unread.points.empty())
        text = OT_TR("Ortavel", "Could not read the number of calibration points.");
    else if (unread.count)
        text = fill(OT_TR("Ortavel", "Could not read the number of calibration points and %1; the boxes show the "
                                     "answer received."),
                    {pointList(unread.points)});
    else
        text = fill(OT_TR("Ortavel", "Could not read %1; the boxes show the answer received."),
                    {pointList(unread.points)});
    m_main.messageBox().show(text, Ortavel::kAppTitle, true);
}

void frmYHJZ::Combo1_Click()
{
    const int count = std::clamp(leadingCount(Combo1.text()).value_or(0), 0, kPoints);
    for (int i = 0; i < kPoints; ++i)
        setRowActive(i, i < count);
}

void frmYHJZ::setRowActive(int row, bool active)
{
    const auto color = active ? TextBox::BackColor::Window : TextBox::BackColor::ButtonFace;
    for (TextBox *box : {&txtLLYL(row), &txtCLYL(row)}) {
        box->setEnabled(active);
        box->setBackColor(color);
    }
    cmdYL(row).setEnabled(active);
}

void frmYHJZ::CmdReCal_Click()
{
    if (refused())
        return;
    Combo1.setEnabled(true);
    cmdSAVE.setEnabled(true);
    ask(cmd::write(cmd::PointCount, "0"));
}

void frmYHJZ::cmdYL_Click(std::int16_t Index)
{
    if (Index < 0 || Index >= kPoints || refused())
        return;
    if (!take(txtCLYL(Index), ask(std::string(cmd::Pressure)), m_held.address))
        reportUnread({false, {Index + 1}});
}

void frmYHJZ::cmdSAVE_Click()
{
    saveCalibration();
}

// Sends nothing unless every point to send holds a value, and stops at the
// first request the transmitter does not confirm, so that WU never stores a
// half-written table.
bool frmYHJZ::saveCalibration()
{
    if (refused())
        return false;
    const auto count = pointCountOf(Combo1.text());
    if (!count) {
        m_main.messageBox().show(OT_TR("Ortavel", "Nothing was sent: the number of calibration points must be 0 to 8."),
                                 kSaveTitle, true);
        return false;
    }
    std::vector<int> holes;
    for (int i = 0; i < *count; ++i) {
        const auto isValue = [](const TextBox &box) { return box.holdsValue() && isNumberText(box.text()); };
        if (!isValue(txtCLYL(i)) || !isValue(txtLLYL(i)))
            holes.push_back(i + 1);
    }
    if (!holes.empty()) {
        const char *pattern = holes.size() == 1 ? OT_TR("Ortavel", "Nothing was sent: %1 holds no value. Read the "
                                                                   "calibration data again or type the values.")
                                                : OT_TR("Ortavel", "Nothing was sent: %1 hold no value. Read the "
                                                                   "calibration data again or type the values.");
        m_main.messageBox().show(fill(pattern, {pointList(holes)}), kSaveTitle, true);
        return false;
    }

    const std::string &address = m_held.address;
    std::string failed;
    std::string failedResult;
    const auto send = [&](const std::string &command, const auto &confirms) {
        if (!failed.empty())
            return;
        const std::string result = m_main.Comm_Send(address, command);
        if (!isReplyFrom(result, address) || !confirms(result)) {
            failed = command;
            failedResult = result;
        }
    };
    send(cmd::write(cmd::PointCount, codeText(*count)),
         [&](const std::string &result) { return replyData(result) == codeText(*count); });
    for (int i = 0; i < *count; ++i) {
        for (const auto &[letters, box] : {std::pair{cmd::Measured, &txtCLYL(i)}, {cmd::Standard, &txtLLYL(i)}}) {
            const std::string value = box->text();
            send(cmd::writePoint(letters, i, value),
                 [&](const std::string &result) { return isEchoOf(replyData(result), value); });
        }
    }
    send(std::string(cmd::SaveUser), [&](const std::string &result) { return isStored(result, address); });

    if (!failed.empty()) {
        m_main.messageBox().show(fill(OT_TR("Ortavel", "Download Calibration Data failed at %1 (answer: %2); the "
                                                       "transmitter did not store the table."),
                                      {failed, shownResult(failedResult)}),
                                 kSaveTitle, true);
        return false;
    }
    std::string written = tableJson(*count);
    m_main.history().calibration(address, OT_TR("Ortavel", "written"), m_table, written);
    m_table = std::move(written);
    m_main.messageBox().show(kSaveDone, kSaveTitle, false);
    CalSaved = 1;
    return true;
}

void frmYHJZ::cmdSaveFactory_Click()
{
    if (!saveCalibration())
        return;
    const std::string result = ask(std::string(cmd::SaveFactory));
    if (!isStored(result, m_held.address))
        m_main.messageBox().show(fill(OT_TR("Ortavel", "Save to Factury failed (answer: %1)."), {shownResult(result)}),
                                 kFactoryTitle, true);
}

void frmYHJZ::cmdExit_Click()
{
    m_main.windowHost().requestClose(*this);
}

// The count goes back to the transmitter it was read from, and only while
// the main window still has it selected: at the same address another one
// may answer now.
void frmYHJZ::Form_QueryUnload()
{
    if (CalSaved == 1 || OldPointCount.empty())
        return;
    if (ownTransmitterSelected()) {
        ask(cmd::write(cmd::PointCount, OldPointCount));
        return;
    }
    m_main.messageBox().show(fill(OT_TR("Ortavel", "The point count %1 was not given back to the transmitter %2: it "
                                                   "is no longer selected."),
                                  {OldPointCount, m_held.address}),
                             Ortavel::kAppTitle, true);
}

void frmYHJZ::Form_Click()
{
    requestFocus(txtPass);
    txtPass.setText("");
}

void frmYHJZ::txtPass_Change()
{
    // Only the display code counts here.
    if (isAccessCode(txtPass.text(), kDisplayCode))
        cmdSaveFactory.setVisible(true);
}

} // namespace ortavel
