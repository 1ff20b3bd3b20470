// `list` without --sim on a system without the monitor-configuration service.
#include "tools/ddcdiag/commands.h"

#include <ostream>

int ListRealMonitors(std::ostream&, std::ostream& err) {
    err << "ddcdiag: listing real monitors needs Windows; use list --sim FILE\n";
    return 2;
}
