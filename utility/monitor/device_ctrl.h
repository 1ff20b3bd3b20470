// The one object through which every monitor operation passes: VCP reads and writes checked
// against what the monitor declared, the maker's vendor pages, the owner register and the block
// transfer.
#pragma once

#include "utility/monitor/answer_watch.h"
#include "utility/monitor/monitor_entry.h"
#include "utility/monitor/monitor_status.h"
#include "utility/monitor/ports.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// Whether an operation on a vendor page first writes the page register, or relies on the page
// that the previous operation of the same run selected (it saves the register write and its
// pause).
enum class PageSelect { Write, Skip };

// Where a block read ends: at the announced length (or the caller's capacity), or for a text
// that is taken up to its first zero byte, after the word that holds that zero.
enum class BlockEnd { Announced, FirstZero };

// Whether a read, an ownership claim or an enumeration check tries again after a failure (five
// attempts; fifty for the capabilities string) or tries once.
enum class Retry { No, Yes };

class DeviceCtrl {
  public:
    // Every DDC/CI call goes through the answer watch (time-outs, monitors that stopped
    // answering); the other ports are used as given.
    explicit DeviceCtrl(const MonitorPorts& ports)
        : m_watch(ports.ddc, ports.clock), m_ports{m_watch,       ports.clock, ports.processes,
                                                   ports.display, ports.panq,  ports.codePage} {}
    DeviceCtrl(const DeviceCtrl&) = delete;
    DeviceCtrl& operator=(const DeviceCtrl&) = delete;
    virtual ~DeviceCtrl();

    // Rebuilds the entry list from the desktop's physical monitors and checks each; true when the
    // platform enumeration worked and at least one entry is supported. The physical handles of
    // the previous list are released first.
    bool Enumerate();
    // Appends one entry per physical monitor of a desktop monitor.
    bool AddPhysicalMonitors(DesktopMonitor monitor);
    // The maker's monitor-information library reports a monitor at the entry's desktop position.
    bool IsMakerMonitor(std::size_t index, Retry retry);
    bool ReadCapabilities(std::size_t index, Retry retry);
    // The capability codes declare both the owner (0xE0) and the page (0xE1) register.
    bool HasVendorControl(std::size_t index) const;
    bool ReadVendorPageList(std::size_t index, PageSelect pageSelect);

    std::size_t EntryCount() const { return m_entries.size(); }
    MonitorEntry& Entry(std::size_t index) { return *m_entries[index]; }
    const MonitorEntry& Entry(std::size_t index) const { return *m_entries[index]; }
    // Physical monitors found by the running enumeration.
    std::int32_t PhysicalCount() const { return m_physicalCount; }

    // Every operation on a monitor state fails at once, without a transaction, when the state
    // has no physical handle (the null monitor of an empty list among them), or when the monitor
    // stopped answering (three time-outs in a row) since the last enumeration.
    //
    // Page 0 is the standard MCCS codes; any other page selects a vendor page first (unless
    // PageSelect::Skip) and needs ownership.
    bool ReadFeature(const CMonitorStatus& state, std::uint16_t page, std::uint8_t code,
                     std::uint32_t* current, std::uint32_t* maximum, PageSelect pageSelect,
                     Retry retry);
    bool WriteFeature(const CMonitorStatus& state, std::uint16_t page, std::uint8_t code,
                      std::uint32_t value, PageSelect pageSelect);

    // The four six-colour values of page 0xE0 (codes 0xE4 ... 0xE7); a write commits with 0xE8.
    bool ReadFeatureGroup(const CMonitorStatus& state, std::array<std::uint32_t, 4>& values,
                          PageSelect pageSelect);
    bool WriteFeatureGroup(const CMonitorStatus& state, const std::array<std::uint32_t, 4>& values,
                           PageSelect pageSelect);

    // Reads block-transfer slot 0 ... 3 into `buffer`, at most `capacity` bytes. On success
    // `*length` (when given) is the number of bytes copied; on failure the buffer is untouched.
    bool ReadBlock(const CMonitorStatus& state, int slot, std::uint8_t* buffer,
                   std::size_t capacity, PageSelect pageSelect, std::size_t* length = nullptr,
                   BlockEnd end = BlockEnd::Announced);

    // Claims the monitor by writing this process's identifier into the owner register.
    bool TakeOwnership(PhysicalHandle handle, Retry retry);
    bool ReleaseOwnership(PhysicalHandle handle);
    // True when an owner register value no longer belongs to another running program.
    bool IsOwnerFree(std::uint32_t value);
    bool IsAdjustmentPermitted(const CMonitorStatus& state);
    // Writes the picture mode (page 0x30 code 0xE2) and reads it back: true only when the
    // monitor then holds that mode (a write is acknowledged whether or not the monitor applied
    // it).
    bool WritePictureMode(const CMonitorStatus& state, std::uint32_t mode, PageSelect pageSelect);

    // False for a monitor that stopped answering since the last enumeration.
    bool IsAnswering(PhysicalHandle handle) const { return m_watch.Answering(handle); }

    // The program-wide ownership flag: set while this program holds the monitor it works on.
    bool HasOwnership() const { return m_ownership; }
    void SetOwnershipFlag(bool owned) { m_ownership = owned; }

    const MonitorPorts& Ports() const { return m_ports; }

  private:
    // The handle exists and its monitor still answers.
    bool Reachable(PhysicalHandle handle) const { return handle && m_watch.Answering(handle); }
    // The retry loops' reason to stop early: the last call timed out.
    auto TimedOut() const {
        return [this] { return m_watch.LastTimedOut(); };
    }
    bool ReadWithRetry(PhysicalHandle handle, std::uint8_t code, std::uint32_t* current,
                       std::uint32_t* maximum, Retry retry);
    bool SelectPage(PhysicalHandle handle, std::uint16_t page, PageSelect pageSelect);
    EntryCheck CheckEntry(std::size_t index);
    void ReleaseEntries();

    AnswerWatch m_watch;
    MonitorPorts m_ports;
    bool m_ownership = false;
    // Entries are held by pointer: monitor states keep the address of an entry's handle.
    std::vector<std::unique_ptr<MonitorEntry>> m_entries;
    std::int32_t m_physicalCount = 0;
};

// The owner register carries 16 bits. A process writes the low 16 bits of its identifier, or 1
// when those are 0 (0 would read as free to every program). Windows identifiers are multiples of
// 4, so no process's low bits are 1 and a program that compares low bits reads 1 as an owner that
// has exited: the same as 0 to it, but never a register held for good.
inline constexpr std::uint32_t kOwnerRegisterMask = 0xFFFF;
inline constexpr std::uint32_t kOwnerValueForZeroLowBits = 1;
std::uint32_t OwnerValueOf(std::uint32_t processId);

// This program's executable base name, upper case, as the owner check compares it.
inline constexpr std::string_view kOwnExecutableBase = "DIMORADDCCI";
