// The real monitors on Windows: `list` without --sim, and the device commands.
#include "tools/ddcdiag/commands.h"

#include "utility/monitor/win/ports_win.h"
#include "utility/text/code_page_win.h"

int WithRealPorts(const std::function<int(const MonitorPorts&)>& run, std::ostream&) {
    Dxva2DdcPort ddc;
    Win32Clock clock;
    ToolhelpProcessPort processes;
    Win32DisplayPort display;
    PanqLibraryPort panq;
    SystemCodePage codePage;
    return run(MonitorPorts{ddc, clock, processes, display, panq, codePage});
}

int ListRealMonitors(std::ostream& out, std::ostream& err) {
    return WithRealPorts([&](const MonitorPorts& ports) { return ListMonitors(ports, out); }, err);
}
