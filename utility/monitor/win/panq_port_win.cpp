#include "libpanq/libpanq.h"
#include "utility/monitor/win/ports_win.h"

static_assert(sizeof(PnqMonitorInfo) == kPnqMonitorInfoSize, "the record libpanq fills");

int PanqLibraryPort::PnqFindMonitors(int* count, int option) {
    return ::PnqFindMonitors(count, option);
}

int PanqLibraryPort::PnqGetMonitorInfo(int index, std::uint8_t* record, int option) {
    return ::PnqGetMonitorInfo(index, record, option);
}
