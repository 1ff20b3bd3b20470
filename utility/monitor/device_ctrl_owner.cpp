// The owner register: one program at a time writes its process identifier there before working
// on a monitor's vendor pages.
#include "utility/monitor/device_ctrl.h"

#include "utility/monitor/retry.h"
#include "utility/monitor/vcp.h"
#include "utility/monitor/write_pauses.h"
#include "utility/text/executable_name.h"

#include <string>
#include <vector>

namespace {

constexpr int kOwnerAttempts = 5;
constexpr std::uint32_t kOwnerRetryPauseMs = 200;

} // namespace

std::uint32_t OwnerValueOf(std::uint32_t processId) {
    const std::uint32_t low = processId & kOwnerRegisterMask;
    return low != 0 ? low : kOwnerValueForZeroLowBits;
}

bool DeviceCtrl::IsOwnerFree(std::uint32_t value) {
    const std::uint32_t owner = value & kOwnerRegisterMask;
    // Our own identifier, encoded as we write it, is ours.
    if (OwnerValueOf(m_ports.processes.CurrentProcessId()) == owner)
        return true;
    // Without a process table nobody can tell whether the owner still runs: the monitor stays
    // its.
    std::vector<ProcessInfo> processes;
    if (!m_ports.processes.Snapshot(processes))
        return false;
    bool otherProgram = false;
    for (const auto& process : processes) {
        if (OwnerValueOf(process.id) != owner)
            continue;
        // Another copy of this program (one that crashed, or an earlier run) never keeps us out.
        if (ExecutableBaseName(process.exeFile, m_ports.codePage) == kOwnExecutableBase)
            return true;
        otherProgram = true;
    }
    return !otherProgram;
}

bool DeviceCtrl::TakeOwnership(PhysicalHandle handle, Retry retry) {
    m_ownership = false;
    // No monitor, or one that stopped answering: nothing to claim, and no pauses between
    // attempts that cannot succeed.
    if (!Reachable(handle))
        return false;
    const bool free = RetryWithPause(
        m_ports.clock, retry == Retry::Yes ? kOwnerAttempts : 1, kOwnerRetryPauseMs,
        [&] {
            std::uint32_t current = 0;
            std::uint32_t maximum = 0;
            return GetVcp(m_ports, handle, kOwnerRegister, &current, &maximum, kReadPauseMs) &&
                   ((current & kOwnerRegisterMask) == 0 || IsOwnerFree(current));
        },
        TimedOut());
    if (!free)
        return false;
    const std::uint32_t own = OwnerValueOf(m_ports.processes.CurrentProcessId());
    if (!SetVcp(m_ports, handle, kOwnerRegister, own, kOwnerWritePauseMs))
        return false;
    // A write has no reply: only the register read back shows that the monitor took our value,
    // and that no other program claimed it between our read and our write.
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    m_ownership = ReadWithRetry(handle, kOwnerRegister, &current, &maximum, retry) &&
                  (current & kOwnerRegisterMask) == own;
    return m_ownership;
}

bool DeviceCtrl::ReleaseOwnership(PhysicalHandle handle) {
    if (!m_ownership)
        return true;
    m_ownership = false;
    if (!Reachable(handle))
        return false;
    return SetVcp(m_ports, handle, kOwnerRegister, 0, kOwnerWritePauseMs);
}
