#include "FrmOrtavelAbout.h"

#include "SystemTools.h"
#include "controls/MessageBox.h"
#include "controls/WindowHost.h"
#include "mainwin/Ortavel.h"

namespace ortavel {

FrmOrtavelAbout::FrmOrtavelAbout(SystemTools &tools, Registry *registry, MessageBox &messages, WindowHost &windows)
    : Form("FrmOrtavelAbout", kCaption), m_tools(tools), m_registry(registry), m_messages(messages), m_windows(windows)
{
    for (Control *control : std::initializer_list<Control *>{&Image1, &Label1, &Label2, &lblVersion, &lblHistory,
                                                             &Line1, &Label3, &Label4, &cmdOK, &cmdSysInfo})
        add(*control);
    showHistoryPlace("");
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
    Label3.onClick = [this] { Label3_Click(); };
    Label4.onClick = [this] { Label4_Click(); };
}

void FrmOrtavelAbout::showHistoryPlace(const std::string &place)
{
    lblHistory.setCaption(fill(OT_TR("Ortavel", "Instrument history: %1"),
                               {place.empty() ? std::string(OT_TR("Ortavel", "not kept by this build")) : place}));
}

void FrmOrtavelAbout::cmdOK_Click()
{
    m_windows.requestClose(*this);
}

void FrmOrtavelAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

// A link the desktop cannot open does nothing, as a link label would.
void FrmOrtavelAbout::Label3_Click()
{
    m_tools.openUrl(std::string("mailto:") + kMailAddress);
}

void FrmOrtavelAbout::Label4_Click()
{
    m_tools.openUrl(kWebAddress);
}

void FrmOrtavelAbout::StartSysInfo()
{
    const std::string program = sysInfoProgram();
    if (program.empty() || !m_tools.startProgram(program))
        m_messages.show(kSysInfoUnavailable, Ortavel::kAppTitle, false);
}

// The registry's entry for the tool where there is one, else the first of
// the common programs that is installed; empty when there is none.
std::string FrmOrtavelAbout::sysInfoProgram()
{
    std::string path;
    if (GetKeyValue(Registry::kLocalMachine, kSysInfoKey, kSysInfoValue, path))
        return path;
    if (GetKeyValue(Registry::kLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, path)) {
        path += "\\MSINFO32.EXE";
        return m_tools.fileExists(path) ? path : std::string();
    }
    for (const char *name : kSysInfoPrograms) {
        if (path = m_tools.findProgram(name); !path.empty())
            return path;
    }
    return {};
}

bool FrmOrtavelAbout::GetKeyValue(std::uint32_t KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                                  std::string &KeyVal)
{
    const auto value = m_registry != nullptr ? m_registry->read(KeyRoot, KeyName, SubKeyRef) : std::nullopt;
    if (!value) {
        KeyVal.clear();
        return false;
    }
    KeyVal = registryValueText(*value, KeyVal);
    return true;
}

} // namespace ortavel
