#pragma once

#include "Registry.h"
#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "text/OperatorText.h"

#include <array>
#include <cstdint>
#include <string>

namespace ortavel {

class MessageBox;
class SystemTools;
class WindowHost;

// A picture the view draws; nothing about it changes.
class Picture : public Control {
public:
    using Control::Control;
};

// A separator drawn etched: a grey line with a white one beside it.
class EtchedLine : public Control {
public:
    using Control::Control;
};

// The About box: version, description, the system information tool and the
// maker's mail and web addresses (under a reserved example domain).
class FrmOrtavelAbout : public Form {
public:
    static constexpr const char *kCaption = OT_TR("Ortavel", "About Ortavel");
    static constexpr const char *kMailAddress = "sales@example.com";
    static constexpr const char *kWebAddress = "http://www.example.com";
    static constexpr const char *kSysInfoUnavailable = OT_TR("Ortavel", "此时系统信息不可用");
    static constexpr const char *kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char *kSysInfoValue = "PATH";
    static constexpr const char *kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char *kSysInfoLocationValue = "MSINFO";
    // Where there is no registry: system information programs of common
    // desktops, the first one installed is started.
    static constexpr std::array<const char *, 6> kSysInfoPrograms = {
        "hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk", "gnome-system-monitor", "mate-system-monitor"};

    // registry may be null: the platform has none.
    FrmOrtavelAbout(SystemTools &tools, Registry *registry, MessageBox &messages, WindowHost &windows);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label3_Click();
    void Label4_Click();
    void StartSysInfo();
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                     std::string &KeyVal);
    // Where the instrument history is kept ("sqlite:PATH"); empty for a
    // build without it.
    void showHistoryPlace(const std::string &place);

    Picture Image1{"Image1"};
    Label Label1{"Label1", OT_TR("Ortavel", "Kavrin Products Management Dept.")};
    Label Label2{"Label2", OT_TR("Ortavel", "   The software is suitable to QX820/830 Intelligent Transmitter Version "
                                            "2.00. The software is free of charge. The users could download it from "
                                            "our website.")};
    Label lblVersion{"lblVersion", OT_TR("Ortavel", "Version 1.35e                  2008.1")};
    Label lblHistory{"lblHistory", ""};
    EtchedLine Line1{"Line1"};
    Label Label3{"Label3", fill(OT_TR("Ortavel", "Email:%1"), {kMailAddress})};
    Label Label4{"Label4", kWebAddress};
    Button cmdOK{"cmdOK", OT_TR("Ortavel", "Ok(&O)")};
    Button cmdSysInfo{"cmdSysInfo", OT_TR("Ortavel", "System Info(&S)")};

private:
    std::string sysInfoProgram();

    SystemTools &m_tools;
    Registry *m_registry;
    MessageBox &m_messages;
    WindowHost &m_windows;
};

} // namespace ortavel
