#include "BasicSetting.h"

#include "Answers.h"
#include "Ortavel.h"
#include "controls/MessageBox.h"
#include "link/Commands.h"
#include "link/LineSettings.h"
#include "link/Numbers.h"
#include "link/SerialPort.h"
#include "text/OperatorText.h"

namespace ortavel {

namespace {

constexpr int kFirstAddress = 1;
constexpr int kLastAddress = 99;
constexpr const char *kAddressErrorTitle = OT_TR("Ortavel", "Error");

std::string addressTakenText(const std::string &address)
{
    return fill(OT_TR("Ortavel", "Address %1 has been exist,press “OK” return！"), {address});
}

} // namespace

BasicSetting::BasicSetting(Ortavel &window) : m_window(window)
{
    m_window.TXT_ADDR.onValidate = [this] { return TXT_ADDR_Validate(); };
    m_window.COM_ADDR.onClick = [this] { COM_ADDR_Click(); };
}

bool BasicSetting::TXT_ADDR_Validate()
{
    // Anything that is no number reads as 0 and is refused like it.
    const auto value = toSingle(readNumber(m_window.TXT_ADDR.text()));
    if (!value || !(*value >= kFirstAddress && *value <= kLastAddress)) {
        m_window.messageBox().show(OT_TR("Ortavel", "Error address！"), kAddressErrorTitle, false);
        return true;
    }
    // A value of another transmitter stays what it is: formatting would make
    // it this one's.
    if (m_window.TXT_ADDR.holdsCurrentValue())
        m_window.TXT_ADDR.setText(formatSingle(*value, "00"));
    return false;
}

void BasicSetting::COM_ADDR_Click()
{
    Ortavel &w = m_window;
    if (const auto why = w.whyNoOperation()) {
        OperationReport(w.StatusBar1).refused(*why);
        return;
    }
    const int entry = w.CMB_ADDR.selectedIndex();
    if (isListedElsewhere(w.TXT_ADDR.text()) || isRateTaken(entry))
        return;
    OperationReport report(w.StatusBar1);

    std::string address = w.selectedAddress();
    if (w.sendable(w.TXT_ADDR, ValueKind::Address, cmd::Address, report))
        report.check(writeAddress(entry, address), cmd::Address);
    if (w.sendable(w.CMB_BAND, cmd::Baud, report)) {
        const auto fixed = w.MSCommBsq.fixedBaud();
        if (fixed && w.CMB_BAND.text() != std::to_string(*fixed))
            report.notWritten(cmd::Baud, SkipReason::FixedRate);
        else
            report.check(writeBaud(address, entry), cmd::Baud);
    }
    for (auto [letters, box] : {std::pair{cmd::Type, &w.txtType}, std::pair{cmd::Ident, &w.txtID}}) {
        if (const auto value = w.sendable(*box, ValueKind::Text, letters, report)) {
            const Reply reply = w.askAt(address, cmd::write(letters, *value));
            report.checkEcho(takeEcho(*box, reply, *value, ValueKind::Text), letters, reply);
        }
    }
}

bool BasicSetting::isListedElsewhere(const std::string &address)
{
    Ortavel &w = m_window;
    if (address == w.selectedAddress())
        return false;
    for (const auto &entry : w.CMB_ADDR.entries()) {
        if (entry.text != address)
            continue;
        w.messageBox().show(addressTakenText(entry.text), kAddressErrorTitle, false);
        w.TXT_ADDR.setText(w.selectedAddress());
        return true;
    }
    return false;
}

// A new rate at the same address must not land on another listed
// transmitter: from then on both would take every request.
bool BasicSetting::isRateTaken(int entry)
{
    Ortavel &w = m_window;
    const int band = w.CMB_BAND.selectedIndex();
    const auto &bands = w.OnlineList;
    if (!w.CMB_BAND.holdsCurrentValue() || band < 0 || band == bands.at(static_cast<std::size_t>(entry)))
        return false;
    const std::string address = w.selectedAddress();
    for (int i = 0; i < w.CMB_ADDR.count() && i < static_cast<int>(bands.size()); ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (i == entry || w.CMB_ADDR.entries()[index].text != address || bands[index] != band)
            continue;
        w.messageBox().show(addressTakenText(address), kAddressErrorTitle, false);
        w.CMB_BAND.setSelectedIndex(bands.at(static_cast<std::size_t>(entry)));
        return true;
    }
    return false;
}

// The address in force becomes the new one once the transmitter has
// answered with it; otherwise the address box shows the old one again.
bool BasicSetting::writeAddress(int entry, std::string &address)
{
    Ortavel &w = m_window;
    const std::string wanted = w.TXT_ADDR.text();
    const std::string result = w.Comm_Send(address, cmd::write(cmd::Address, wanted));
    // The answer may come from the old address or already from the new one.
    const bool answered = isReplyFrom(result, address) || isReplyFrom(result, wanted);
    if (!answered || replyData(result) != wanted) {
        w.TXT_ADDR.setText(address);
        return false;
    }
    w.CMB_ADDR.setItemText(entry, wanted);
    address = wanted;
    return true;
}

// The line follows only a rate the transmitter has confirmed.
bool BasicSetting::writeBaud(const std::string &address, int entry)
{
    Ortavel &w = m_window;
    const int band = w.CMB_BAND.selectedIndex();
    const std::string index = codeText(band);
    if (!isBaudConfirmed(w.Comm_Send(address, cmd::write(cmd::Baud, index)), address, index))
        return false;
    w.OnlineList.at(static_cast<std::size_t>(entry)) = static_cast<std::int16_t>(band);
    w.TXT_BAND.setText(w.CMB_BAND.text());
    w.MSCommBsq.setSettings(lineSettingsText(w.CMB_BAND.text()));
    return true;
}

} // namespace ortavel
