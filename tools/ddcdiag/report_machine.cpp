// The report's machine facts on a system without Windows: only --sim works.
#include "tools/ddcdiag/report.h"

bool ReadReportMachine(ReportMachine&) {
    return false;
}
