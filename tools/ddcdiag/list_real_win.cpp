// `list` without --sim on Windows: the real monitors through the real ports.
#include "tools/ddcdiag/commands.h"

#include "utility/monitor/win/ports_win.h"
#include "utility/text/code_page_win.h"

int ListRealMonitors(std::ostream& out, std::ostream&) {
    Dxva2DdcPort ddc;
    Win32Clock clock;
    ToolhelpProcessPort processes;
    Win32DisplayPort display;
    PanqLibraryPort panq;
    SystemCodePage codePage;
    return ListMonitors(MonitorPorts{ddc, clock, processes, display, panq, codePage}, out);
}
