// Named adjustment data as stored: the 172-byte record, read straight and through the settings
// store, then written back to a simulated monitor. Checks: only exactly 172 bytes decode (a
// failed read leaves the record alone), texts stay inside their fields, encoding a decoded record
// decodes to the same record, the store reads a value of any other size as no record, and every
// scaled value written to the monitor lies within the register's maximum.
#include "fuzz/testing/fuzz_check.h"
#include "sim/sim_system.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/monitor_identity.h"
#include "utility/pages/adjustment_data.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

const std::string& TypicalMonitor() {
    static const std::string text = [] {
        std::ifstream in(DIMORA_SIM_MONITORS "/typical.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return text;
}

void CheckTexts(const AdjustmentRecord& record) {
    FUZZ_CHECK(record.modelName.size() < kRecordModelNameSize);
    FUZZ_CHECK(record.serialNumber.size() < kRecordSerialNumberSize);
    FUZZ_CHECK(record.identityKey.size() < kRecordIdentityKeySize);
    for (const std::string* text : {&record.modelName, &record.serialNumber, &record.identityKey})
        FUZZ_CHECK(text->find('\0') == std::string::npos);
}

void CheckStoreRead(const std::uint8_t* data, std::size_t size, const AdjustmentRecord& decoded,
                    bool ok) {
    MemoryRegistry port;
    CRegistry registry(port);
    FUZZ_CHECK(
        registry.WriteBinary("Data", data, static_cast<std::uint32_t>(size), kColorKey.data()));
    AdjustmentRecord read;
    FUZZ_CHECK(ReadAdjustmentRecord(registry, "Data", read) == ok);
    if (ok)
        FUZZ_CHECK(read == decoded);
    FUZZ_CHECK(port.OpenHandleCount() == 0);
}

// Applies the record to the typical simulated monitor; every write of a scaled standard setting
// stays within that register's maximum.
void CheckApply(const AdjustmentRecord& record) {
    std::istringstream in(TypicalMonitor());
    SimSystem system;
    std::string error;
    FUZZ_CHECK(LoadSimDescription(in, system, error));
    PhysicalHandle handle = SimBus::HandleOf(0);
    CMonitorStatus monitor;
    monitor.physicalHandle = &handle;
    const SimMonitorConfig& config = system.bus.Monitor(0).Config();
    ParseCapabilities(config.capabilities, monitor.capabilityCodes);
    ParseVendorPages(std::string(config.slots[0].begin(), config.slots[0].end()),
                     monitor.vendorPages);
    DeviceCtrl ctrl(system.Ports());
    ctrl.SetOwnershipFlag(true);
    FUZZ_CHECK(ParseMonitorInformation(ctrl, monitor, PageSelect::Write));
    system.trace.Clear();

    ApplyRecord(ctrl, monitor, record);
    for (const SimEvent& event : system.trace.Events()) {
        if (event.kind != SimEvent::Kind::Set)
            continue;
        for (std::uint8_t code : {0x10, 0x12, 0x16, 0x18, 0x1A}) {
            if (event.code == code)
                FUZZ_CHECK(event.value <= config.vcp.at(code).maximum);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AdjustmentRecord sentinel;
    sentinel.modelName = "untouched";
    AdjustmentRecord record = sentinel;
    const bool ok = DecodeAdjustmentRecord(data, size, record);
    FUZZ_CHECK(ok == (size == kAdjustmentRecordSize));
    CheckStoreRead(data, size, record, ok);
    if (!ok) {
        FUZZ_CHECK(record == sentinel);
        return 0;
    }
    CheckTexts(record);
    const auto bytes = EncodeAdjustmentRecord(record);
    AdjustmentRecord again;
    FUZZ_CHECK(DecodeAdjustmentRecord(bytes.data(), bytes.size(), again) && again == record);
    CheckApply(record);
    return 0;
}
