#pragma once

namespace ortavel {

class Ortavel;

// The instruction console of the main window: any command text, sent as
// typed, with the whole result shown.
class InstructionConsole {
public:
    explicit InstructionConsole(Ortavel &window);

    void Cmd_INS_Click();

private:
    Ortavel &m_window;
};

} // namespace ortavel
