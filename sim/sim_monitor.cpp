#include "sim/sim_monitor.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t kBlockPage = 0x10;

bool IsPaged(std::uint8_t code) {
    return code >= 0xE2;
}

} // namespace

SimMonitor::SimMonitor(SimMonitorConfig config) : m_config(std::move(config)), m_initial(m_config) {
    m_config.owner &= 0xFFFF;
}

bool SimMonitor::Answering() {
    ++m_transactions;
    if (!m_plugged || m_config.dead)
        return false;
    return !m_config.vanishAfter || m_transactions <= *m_config.vanishAfter;
}

bool SimMonitor::Faulted(SimFault::Kind kind, std::uint8_t code) {
    const std::uint16_t page = IsPaged(code) ? m_page : 0;
    for (auto& fault : m_config.faults) {
        if (fault.kind == kind && fault.page == page && fault.code == code && fault.count > 0) {
            --fault.count;
            return true;
        }
    }
    return false;
}

bool SimMonitor::Unanswered() {
    m_lastMs = m_config.deadMs;
    return false;
}

bool SimMonitor::Answered(bool ok, std::uint32_t costMs) {
    m_lastMs = costMs + (ok ? m_config.answerMs : 0);
    return ok;
}

int SimMonitor::SlotOf(std::uint8_t code) const {
    if (m_page != kBlockPage || code < 0xE2 || code > 0xED)
        return -1;
    const int slot = (code - 0xE2) / 3;
    return m_config.slots[slot].empty() && !m_config.announcedLength[slot] ? -1 : slot;
}

bool SimMonitor::ReadSlot(int slot, int reg, std::uint32_t& current, std::uint32_t& maximum) {
    const auto& bytes = m_config.slots[slot];
    switch (reg) {
    case 0: // length
        current = m_config.announcedLength[slot].value_or(static_cast<std::uint32_t>(bytes.size()));
        maximum = 0xFFFF;
        return true;
    case 1: // offset
        current = m_offset[slot];
        maximum = 0xFFFF;
        return true;
    default: { // data: four bytes as maximum high, maximum low, current high, current low
        auto at = [&](std::uint32_t i) -> std::uint32_t { return i < bytes.size() ? bytes[i] : 0; };
        const std::uint32_t o = m_offset[slot];
        maximum = at(o) << 8 | at(o + 1);
        current = at(o + 2) << 8 | at(o + 3);
        m_offset[slot] = o + 4;
        return true;
    }
    }
}

bool SimMonitor::Read(std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum) {
    if (!Answering() || Faulted(SimFault::Kind::Read, code))
        return Unanswered();
    return Answered(ReadRegister(code, current, maximum), m_config.getCostMs);
}

bool SimMonitor::ReadRegister(std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum) {
    if (code == 0xE0 || code == 0xE1) {
        current = code == 0xE0 ? m_config.owner : m_page;
        maximum = 0xFFFF;
        return true;
    }
    if (IsPaged(code)) {
        if (const int slot = SlotOf(code); slot >= 0)
            return ReadSlot(slot, (code - 0xE2) % 3, current, maximum);
        const auto it = m_config.vendor.find({m_page, code});
        if (it == m_config.vendor.end())
            return false;
        current = it->second.current;
        maximum = it->second.maximum;
        return true;
    }
    const auto it = m_config.vcp.find(code);
    if (it == m_config.vcp.end())
        return false;
    current = it->second.current;
    maximum = it->second.maximum;
    return true;
}

bool SimMonitor::Write(std::uint8_t code, std::uint32_t value) {
    if (!Answering() || Faulted(SimFault::Kind::Write, code))
        return Unanswered();
    // A write has no reply: an ignored one is acknowledged like any other.
    if (Faulted(SimFault::Kind::Ignore, code))
        return Answered(true, m_config.setCostMs);
    const bool ok = WriteRegister(code, value) || m_config.acknowledgeWrites;
    return Answered(ok, m_config.setCostMs);
}

bool SimMonitor::WriteRegister(std::uint8_t code, std::uint32_t value) {
    if (code == 0xE0) {
        m_config.owner = value & 0xFFFF; // the register is 16 bits wide
        return true;
    }
    if (code == 0xE1) {
        m_page = static_cast<std::uint16_t>(value);
        return true;
    }
    if (IsPaged(code)) {
        if (const int slot = SlotOf(code); slot >= 0) {
            if ((code - 0xE2) % 3 != 1)
                return false; // only the offset register is writable
            m_offset[slot] = value;
            return true;
        }
        if (m_page == 0xF0 && code == 0xE3)
            m_stores.push_back(value);
        if (m_page == 0xF0 && code == 0xE2 && value == 4)
            RestoreSoundDefaults();
        const auto it = m_config.vendor.find({m_page, code});
        if (it == m_config.vendor.end())
            return false;
        it->second.current = it->second.maximum ? std::min(value, it->second.maximum) : value;
        return true;
    }
    if (code == 0x08) {
        if (value == 1)
            RestoreColourDefaults();
        return m_config.vcp.count(code) != 0;
    }
    const auto it = m_config.vcp.find(code);
    if (it == m_config.vcp.end())
        return false;
    it->second.current = it->second.maximum ? std::min(value, it->second.maximum) : value;
    return true;
}

void SimMonitor::RestoreSoundDefaults() {
    if (const auto it = m_initial.vcp.find(0x62); it != m_initial.vcp.end())
        m_config.vcp[0x62] = it->second;
}

void SimMonitor::RestoreColourDefaults() {
    for (std::uint8_t code : {0x10, 0x12, 0x16, 0x18, 0x1A}) {
        if (const auto it = m_initial.vcp.find(code); it != m_initial.vcp.end())
            m_config.vcp[code] = it->second;
    }
}

bool SimMonitor::CapabilitiesLength(std::uint32_t& length) {
    if (!Answering())
        return Unanswered();
    if (m_config.capabilitiesFailures > 0) {
        --m_config.capabilitiesFailures;
        return Unanswered();
    }
    length = static_cast<std::uint32_t>(m_config.capabilities.size() + 1);
    return Answered(true, m_config.capsCostMs);
}

bool SimMonitor::Capabilities(char* buffer, std::uint32_t length) {
    if (!Answering())
        return Unanswered();
    if (!buffer || length < m_config.capabilities.size() + 1)
        return Answered(false, m_config.capsCostMs);
    std::memcpy(buffer, m_config.capabilities.c_str(), m_config.capabilities.size() + 1);
    return Answered(true, m_config.capsCostMs);
}

std::optional<std::uint32_t> SimMonitor::Value(std::uint16_t page, std::uint8_t code) const {
    if (page == 0) {
        if (code == 0xE0)
            return m_config.owner;
        if (code == 0xE1)
            return m_page;
        const auto it = m_config.vcp.find(code);
        return it == m_config.vcp.end() ? std::nullopt : std::optional(it->second.current);
    }
    const auto it = m_config.vendor.find({page, code});
    return it == m_config.vendor.end() ? std::nullopt : std::optional(it->second.current);
}
