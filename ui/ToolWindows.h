#pragma once

namespace ortavel {

class Ortavel;
class QtWindowHost;
class Registry;
class SystemTools;

// The windows the main window opens: the calibration window, the About box
// and the Traffic and Trend windows, each made afresh at every opening. The main window closes them, with
// their closing steps, before it closes itself and its port. registry may be
// null where the platform has none.
void addToolWindows(QtWindowHost &host, Ortavel &main, SystemTools &tools, Registry *registry);

} // namespace ortavel
