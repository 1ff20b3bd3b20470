#include "utility/monitor/device_ctrl.h"

#include "utility/monitor/capabilities.h"
#include "utility/monitor/retry.h"
#include "utility/monitor/vcp.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/monitor/write_pauses.h"

namespace {

constexpr int kReadAttempts = 5;
constexpr std::uint32_t kRetryPauseMs = 30;
constexpr std::uint16_t kGroupPage = 0xE0;
constexpr std::uint8_t kGroupFirst = 0xE4;
constexpr std::uint8_t kGroupCommit = 0xE8;
constexpr std::uint32_t kGroupWritePauseMs = 10;
constexpr std::uint32_t kGroupCommitPauseMs = 13;

} // namespace

bool DeviceCtrl::ReadWithRetry(PhysicalHandle handle, std::uint8_t code, std::uint32_t* current,
                               std::uint32_t* maximum, Retry retry) {
    return RetryWithPause(
        m_ports.clock, retry == Retry::Yes ? kReadAttempts : 1, kRetryPauseMs,
        [&] { return GetVcp(m_ports, handle, code, current, maximum, kReadPauseMs); }, TimedOut());
}

bool DeviceCtrl::SelectPage(PhysicalHandle handle, std::uint16_t page, PageSelect pageSelect) {
    return pageSelect == PageSelect::Skip ||
           SetVcp(m_ports, handle, kPageRegister, page, kPageWritePauseMs);
}

bool DeviceCtrl::ReadFeature(const CMonitorStatus& state, std::uint16_t page, std::uint8_t code,
                             std::uint32_t* current, std::uint32_t* maximum, PageSelect pageSelect,
                             Retry retry) {
    const PhysicalHandle handle = state.Handle();
    if (!Reachable(handle))
        return false;
    if (page == 0) {
        if (!Contains(state.capabilityCodes, code, kAnyValue))
            return false;
    } else {
        if (!Contains(state.vendorPages, VendorKey{page, code}, kAnyValue) || !m_ownership)
            return false;
        if (!SelectPage(handle, page, pageSelect))
            return false;
    }
    return ReadWithRetry(handle, code, current, maximum, retry);
}

bool DeviceCtrl::WriteFeature(const CMonitorStatus& state, std::uint16_t page, std::uint8_t code,
                              std::uint32_t value, PageSelect pageSelect) {
    const PhysicalHandle handle = state.Handle();
    if (!Reachable(handle))
        return false;
    // Values above the 32-bit signed range can never match a listed value.
    const auto asListed = static_cast<std::int32_t>(value > 0x7FFFFFFFu ? 0x7FFFFFFFu : value);
    if (page == 0) {
        if (!Contains(state.capabilityCodes, code, asListed))
            return false;
        const auto pause = StandardWritePause(code);
        return pause && SetVcp(m_ports, handle, code, value, *pause);
    }
    if (!Contains(state.vendorPages, VendorKey{page, code}, asListed))
        return false;
    const auto pause = VendorWritePause(page, code);
    if (!pause || !m_ownership)
        return false;
    if (!SelectPage(handle, page, pageSelect))
        return false;
    return SetVcp(m_ports, handle, code, value, *pause);
}

bool DeviceCtrl::ReadFeatureGroup(const CMonitorStatus& state, std::array<std::uint32_t, 4>& values,
                                  PageSelect pageSelect) {
    const PhysicalHandle handle = state.Handle();
    if (!Reachable(handle) || !m_ownership)
        return false;
    for (int i = 0; i < 4; ++i) {
        const auto code = static_cast<std::uint8_t>(kGroupFirst + i);
        if (!Contains(state.vendorPages, VendorKey{kGroupPage, code}, kAnyValue))
            return false;
    }
    if (!SelectPage(handle, kGroupPage, pageSelect))
        return false;
    std::array<std::uint32_t, 4> read{};
    for (int i = 0; i < 4; ++i) {
        std::uint32_t maximum = 0;
        const auto code = static_cast<std::uint8_t>(kGroupFirst + i);
        if (!GetVcp(m_ports, handle, code, &read[i], &maximum, kReadPauseMs))
            return false;
    }
    values = read;
    return true;
}

bool DeviceCtrl::WriteFeatureGroup(const CMonitorStatus& state,
                                   const std::array<std::uint32_t, 4>& values,
                                   PageSelect pageSelect) {
    const PhysicalHandle handle = state.Handle();
    if (!Reachable(handle) || !m_ownership)
        return false;
    for (std::uint8_t code = kGroupFirst; code <= kGroupCommit; ++code) {
        if (!Contains(state.vendorPages, VendorKey{kGroupPage, code}, kAnyValue))
            return false;
    }
    if (!SelectPage(handle, kGroupPage, pageSelect))
        return false;
    for (int i = 0; i < 4; ++i) {
        const auto code = static_cast<std::uint8_t>(kGroupFirst + i);
        if (!SetVcp(m_ports, handle, code, values[i], kGroupWritePauseMs))
            return false;
    }
    return SetVcp(m_ports, handle, kGroupCommit, 1, kGroupCommitPauseMs);
}

bool DeviceCtrl::WritePictureMode(const CMonitorStatus& state, std::uint32_t mode,
                                  PageSelect pageSelect) {
    if (!WriteFeature(state, kColorPage, kModeCode, mode, pageSelect))
        return false;
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    return ReadWithRetry(state.Handle(), kModeCode, &current, &maximum, Retry::Yes) &&
           current == mode;
}

bool DeviceCtrl::IsAdjustmentPermitted(const CMonitorStatus& state) {
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    if (!ReadFeature(state, 0x20, 0xE2, &current, &maximum, PageSelect::Write, Retry::Yes) ||
        current != 1)
        return false;
    return ReadFeature(state, 0x20, 0xE6, &current, &maximum, PageSelect::Write, Retry::Yes) &&
           current == 0;
}
