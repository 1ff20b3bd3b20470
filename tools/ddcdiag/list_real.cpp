// The real monitors on a system without the monitor-configuration service: only --sim works.
#include "tools/ddcdiag/commands.h"

#include <ostream>

int WithRealPorts(const std::function<int(const MonitorPorts&)>&, std::ostream& err) {
    err << "ddcdiag: real monitors need Windows; use --sim FILE\n";
    return 2;
}

int ListRealMonitors(std::ostream&, std::ostream& err) {
    return WithRealPorts({}, err);
}
