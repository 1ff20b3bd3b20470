// Block transfer: a byte string read four bytes at a time out of the maximum and current words
// of a data register, after the length register and an offset reset.
#include "utility/monitor/device_ctrl.h"

#include "utility/monitor/capabilities.h"
#include "utility/monitor/vcp.h"
#include "utility/monitor/write_pauses.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint16_t kBlockPage = 0x10;
constexpr int kMaxWordFailures = 30;
constexpr std::uint32_t kResyncPauseMs = 100;

} // namespace

bool DeviceCtrl::ReadBlock(const CMonitorStatus& state, int slot, std::uint8_t* buffer,
                           std::size_t capacity, PageSelect pageSelect, std::size_t* length,
                           BlockEnd end) {
    const PhysicalHandle handle = state.Handle();
    if (!Reachable(handle) || !buffer || slot < 0 || slot > 3)
        return false;
    const auto lengthCode = static_cast<std::uint8_t>(0xE2 + 3 * slot);
    const auto offsetCode = static_cast<std::uint8_t>(lengthCode + 1);
    const auto dataCode = static_cast<std::uint8_t>(lengthCode + 2);
    // Slot 0 holds the vendor page list itself, so it is read before the map exists.
    if (slot != 0) {
        for (std::uint8_t code : {lengthCode, offsetCode, dataCode}) {
            if (!Contains(state.vendorPages, VendorKey{kBlockPage, code}, kAnyValue))
                return false;
        }
    }
    if (!m_ownership || !SelectPage(handle, kBlockPage, pageSelect))
        return false;

    std::uint32_t announced = 0;
    std::uint32_t maximum = 0;
    if (!GetVcp(m_ports, handle, lengthCode, &announced, &maximum, kReadPauseMs))
        return false;
    if (!SetVcp(m_ports, handle, offsetCode, 0, kPageWritePauseMs))
        return false;

    // Bytes past the caller's capacity would be thrown away, so only the words that cover the
    // kept bytes are read: a monitor announcing a huge length must not hold the thread for long.
    const std::size_t kept = std::min<std::size_t>(announced, capacity);
    const std::size_t words = (kept + 3) / 4;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(words * 4);
    std::uint32_t offset = 0;
    int failures = 0;
    while (bytes.size() < words * 4) {
        std::uint32_t current = 0;
        if (GetVcp(m_ports, handle, dataCode, &current, &maximum, kReadPauseMs)) {
            bytes.push_back(static_cast<std::uint8_t>(maximum >> 8));
            bytes.push_back(static_cast<std::uint8_t>(maximum));
            bytes.push_back(static_cast<std::uint8_t>(current >> 8));
            bytes.push_back(static_cast<std::uint8_t>(current));
            offset += 4;
            // The bytes after a text's zero are never used: a monitor announcing a long block
            // but sending a short text is not read word by word to the announced end.
            if (end == BlockEnd::FirstZero &&
                std::find(bytes.end() - 4, bytes.end(), 0) != bytes.end())
                break;
            continue;
        }
        // A word that timed out ends the block: the monitor is not answering.
        if (++failures >= kMaxWordFailures || m_watch.LastTimedOut())
            return false;
        // Put the monitor's read position back on the word that failed, then read it again.
        if (SetVcp(m_ports, handle, offsetCode, offset, kPageWritePauseMs))
            m_ports.clock.Sleep(kResyncPauseMs);
    }
    const std::size_t copied = std::min(kept, bytes.size());
    std::copy_n(bytes.begin(), copied, buffer);
    if (length)
        *length = copied;
    return true;
}
