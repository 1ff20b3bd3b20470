// One simulated maker monitor on the DDC/CI wire: standard VCP registers, the vendor extension
// (page register 0xE1, 16-bit owner register 0xE0, per-page codes 0xE2 and up), the four
// block-transfer slots on page 0x10, and injectable faults.
#pragma once

#include "utility/monitor/monitor_types.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct SimRegister {
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
};

struct SimFault {
    // Read and Write fail; Ignore acknowledges a write and leaves the register as it was.
    enum class Kind { Read, Write, Ignore };
    Kind kind;
    std::uint16_t page; // 0 for standard codes and the page and owner registers
    std::uint8_t code;
    int count; // transactions still to fail
};

// What a description file says about one monitor.
struct SimMonitorConfig {
    std::string name;
    std::string device = "\\\\.\\DISPLAY1";
    std::array<std::int32_t, 4> desktop{0, 0, 1920, 1080}; // left, top, right, bottom
    bool makerRecognised = true;                           // reported by libpanq
    std::string capabilities;
    int capabilitiesFailures = 0;
    std::map<std::uint8_t, SimRegister> vcp;
    std::map<VendorKey, SimRegister> vendor;
    std::array<std::vector<std::uint8_t>, 4> slots;
    std::array<std::optional<std::uint32_t>, 4> announcedLength; // odd lengths on purpose
    std::uint32_t owner = 0;
    std::vector<SimFault> faults;
    std::optional<int> vanishAfter; // transactions answered before the monitor disappears
    bool dead = false;              // answers no transaction at all
    std::uint32_t deadMs = 0;       // what a failed (faulted, vanished, dead) transaction takes
    std::uint32_t answerMs = 0;     // added to every transaction that succeeds
    std::uint32_t getCostMs = 0;    // what the calls themselves take when the monitor answers
    std::uint32_t setCostMs = 0;
    std::uint32_t capsCostMs = 0;   // each of the two capabilities calls
    bool acknowledgeWrites = false; // writes to codes it does not have succeed, unapplied
};

class SimMonitor {
  public:
    explicit SimMonitor(SimMonitorConfig config);

    bool Read(std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum);
    bool Write(std::uint8_t code, std::uint32_t value);
    bool CapabilitiesLength(std::uint32_t& length);
    bool Capabilities(char* buffer, std::uint32_t length);

    const SimMonitorConfig& Config() const { return m_config; }
    std::uint16_t Page() const { return m_page; }
    std::uint32_t Owner() const { return m_config.owner; }
    // Current value of a standard (page 0) or vendor register; nullopt when it does not exist.
    std::optional<std::uint32_t> Value(std::uint16_t page, std::uint8_t code) const;
    // Unplugs the monitor (the desktop no longer lists it and it answers nothing) or plugs it in
    // again, as a display change would.
    void SetPlugged(bool plugged) { m_plugged = plugged; }
    bool Plugged() const { return m_plugged; }
    // From now on the monitor answers nothing and every transaction takes `deadMs` before it
    // fails, as a "vanish" line and "dead-ms" would; the desktop still lists it.
    void StopAnswering(std::uint32_t deadMs) {
        m_config.vanishAfter = m_transactions;
        m_config.deadMs = deadMs;
    }
    // Adds a fault while the monitor runs, as a description's "fault" line would.
    void InjectFault(const SimFault& fault) { m_config.faults.push_back(fault); }
    // How long the last transaction took on the wire, in ms.
    std::uint32_t LastMs() const { return m_lastMs; }
    // Leaves out what the calls themselves cost (time-outs and slow answers stay).
    void DropCallCosts() { m_config.getCostMs = m_config.setCostMs = m_config.capsCostMs = 0; }
    // Store commands received (page 0xF0 code 0xE3), with their values.
    const std::vector<std::uint32_t>& StoreCommands() const { return m_stores; }

  private:
    bool m_plugged = true;
    bool Answering();
    bool Faulted(SimFault::Kind kind, std::uint8_t code);
    // The transaction failed unanswered (it takes the dead time), or was answered after the
    // call's own cost (an answer that succeeds takes the slow bus's time on top).
    bool Unanswered();
    bool Answered(bool ok, std::uint32_t costMs);
    bool ReadRegister(std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum);
    bool WriteRegister(std::uint8_t code, std::uint32_t value);
    int SlotOf(std::uint8_t code) const;
    bool ReadSlot(int slot, int reg, std::uint32_t& current, std::uint32_t& maximum);
    void RestoreColourDefaults();
    void RestoreSoundDefaults();

    SimMonitorConfig m_config;
    SimMonitorConfig m_initial;
    std::uint16_t m_page = 0;
    std::array<std::uint32_t, 4> m_offset{};
    std::vector<std::uint32_t> m_stores;
    int m_transactions = 0;
    std::uint32_t m_lastMs = 0;
};
