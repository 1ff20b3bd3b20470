// run --sim FILE: DeviceCtrl operations from standard input against simulated monitors, each
// followed by the bus trace it produced and its result.
#include "tools/ddcdiag/commands.h"

#include "sim/sim_system.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/device_ctrl.h"

#include <cstdio>
#include <cstdlib>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

namespace {

// The script's 0/1 flags as the monitor layer's named choices.
PageSelect PageSelectOf(bool skip) {
    return skip ? PageSelect::Skip : PageSelect::Write;
}
Retry RetryOf(bool retry) {
    return retry ? Retry::Yes : Retry::No;
}

// One monitor state per simulated monitor, with the maps an enumeration would have parsed.
struct Target {
    PhysicalHandle handle = nullptr;
    CMonitorStatus state;
};

class Runner {
  public:
    Runner(SimSystem& system, std::ostream& out)
        : m_system(system), m_out(out), m_ctrl(system.Ports()) {
        for (std::size_t i = 0; i < system.bus.Count(); ++i) {
            auto target = std::make_unique<Target>();
            target->handle = SimBus::HandleOf(static_cast<int>(i));
            target->state.physicalHandle = &target->handle;
            const auto& config = system.bus.Monitor(static_cast<int>(i)).Config();
            ParseCapabilities(config.capabilities, target->state.capabilityCodes);
            const auto& list = config.slots[0];
            ParseVendorPages(std::string(list.begin(), list.end()), target->state.vendorPages);
            m_targets.push_back(std::move(target));
        }
    }

    // Runs one input line; false when the line could not be understood.
    bool Line(const std::string& line) {
        std::istringstream in(line);
        std::string op;
        if (!(in >> op) || op[0] == '#')
            return true;
        m_out << "> " << line << '\n';
        m_system.trace.Clear();
        std::string result;
        if (!Dispatch(op, in, result)) {
            m_out << "= error: " << result << '\n';
            return false;
        }
        for (const auto& event : m_system.trace.Events())
            m_out << SimTrace::Format(event) << '\n';
        m_busMs += m_system.trace.PausedMs();
        m_transactions += m_system.trace.Transactions();
        m_out << "= " << result << '\n';
        return true;
    }

    void Summary() {
        m_out << "total bus=" << m_busMs << "ms transactions=" << m_transactions << '\n';
    }

  private:
    static bool Hex(std::istream& in, unsigned long max, unsigned long& out) {
        std::string token;
        if (!(in >> token))
            return false;
        char* end = nullptr;
        out = std::strtoul(token.c_str(), &end, 16);
        return *end == '\0' && out <= max;
    }
    static bool Number(std::istream& in, unsigned long& out) {
        std::string token;
        if (!(in >> token))
            return false;
        return ParseNumber(token, out);
    }
    static bool Flag(std::istream& in, bool& out) {
        std::string token;
        if (!(in >> token) || (token != "0" && token != "1"))
            return false;
        out = token == "1";
        return true;
    }
    static std::string HexText(std::uint32_t value) {
        char text[12];
        std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(value));
        return text;
    }
    static std::string Outcome(bool ok) { return ok ? "ok" : "fail"; }

    bool Dispatch(const std::string& op, std::istream& in, std::string& result) {
        Target& target = *m_targets[m_current];
        const CMonitorStatus& state = target.state;
        unsigned long page = 0, code = 0, value = 0;
        bool skip = false, retry = false;
        if (op == "monitor") {
            if (!Number(in, value) || value >= m_targets.size())
                return (result = "expected: monitor N (a described monitor)", false);
            m_current = value;
            result = "ok";
        } else if (op == "take") {
            if (!Flag(in, retry))
                return (result = "expected: take RETRY", false);
            result = Outcome(m_ctrl.TakeOwnership(target.handle, RetryOf(retry)));
        } else if (op == "release") {
            result = Outcome(m_ctrl.ReleaseOwnership(target.handle));
        } else if (op == "read") {
            if (!Hex(in, 0xFFFF, page) || !Hex(in, 0xFF, code) || !Flag(in, skip) ||
                !Flag(in, retry))
                return (result = "expected: read PAGE CODE SKIP RETRY", false);
            std::uint32_t cur = 0, max = 0;
            const bool ok = m_ctrl.ReadFeature(state, static_cast<std::uint16_t>(page),
                                               static_cast<std::uint8_t>(code), &cur, &max,
                                               PageSelectOf(skip), RetryOf(retry));
            result = ok ? "ok cur=" + HexText(cur) + " max=" + HexText(max) : "fail";
        } else if (op == "write") {
            if (!Hex(in, 0xFFFF, page) || !Hex(in, 0xFF, code) || !Number(in, value) ||
                !Flag(in, skip))
                return (result = "expected: write PAGE CODE VALUE SKIP", false);
            result = Outcome(m_ctrl.WriteFeature(
                state, static_cast<std::uint16_t>(page), static_cast<std::uint8_t>(code),
                static_cast<std::uint32_t>(value), PageSelectOf(skip)));
        } else if (op == "group-read") {
            if (!Flag(in, skip))
                return (result = "expected: group-read SKIP", false);
            std::array<std::uint32_t, 4> values{};
            result = Outcome(m_ctrl.ReadFeatureGroup(state, values, PageSelectOf(skip)));
            if (result == "ok") {
                for (int i = 0; i < 4; ++i)
                    result += " e" + std::to_string(4 + i) + "=" + HexText(values[i]);
            }
        } else if (op == "group-write") {
            std::array<std::uint32_t, 4> values{};
            for (auto& v : values) {
                if (!Number(in, value))
                    return (result = "expected: group-write V0 V1 V2 V3 SKIP", false);
                v = static_cast<std::uint32_t>(value);
            }
            if (!Flag(in, skip))
                return (result = "expected: group-write V0 V1 V2 V3 SKIP", false);
            result = Outcome(m_ctrl.WriteFeatureGroup(state, values, PageSelectOf(skip)));
        } else if (op == "block") {
            unsigned long slot = 0, capacity = 0;
            if (!Number(in, slot) || slot > 3 || !Number(in, capacity) || capacity > 65535 ||
                !Flag(in, skip))
                return (result = "expected: block SLOT(0-3) CAPACITY(0-65535) SKIP", false);
            std::vector<std::uint8_t> buffer(capacity);
            std::size_t length = 0;
            const bool ok = m_ctrl.ReadBlock(state, static_cast<int>(slot), buffer.data(), capacity,
                                             PageSelectOf(skip), &length);
            result = Outcome(ok);
            if (ok) {
                result += " len=" + std::to_string(length) + " data=";
                for (std::size_t i = 0; i < length; ++i) {
                    char byte[4];
                    std::snprintf(byte, sizeof byte, "%02x", buffer[i]);
                    result += byte;
                }
            }
        } else if (op == "permitted") {
            result = Outcome(m_ctrl.IsAdjustmentPermitted(state));
        } else {
            return (result = "unknown operation '" + op + "'", false);
        }
        if (in >> value || !in.eof())
            return (result = "unexpected text after the operation", false);
        return true;
    }

    SimSystem& m_system;
    std::ostream& m_out;
    DeviceCtrl m_ctrl;
    std::vector<std::unique_ptr<Target>> m_targets;
    std::size_t m_current = 0;
    std::uint64_t m_busMs = 0;
    std::size_t m_transactions = 0;
};

} // namespace

int RunCommand(const std::string& simFile, std::istream& in, std::ostream& out, std::ostream& err) {
    SimSystem system;
    std::string error;
    if (!LoadSimDescriptionFile(simFile, system, error)) {
        err << "ddcdiag: " << simFile << ": " << error << '\n';
        return 2;
    }
    Runner runner(system, out);
    bool clean = true;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        clean = runner.Line(line) && clean;
    }
    runner.Summary();
    return clean ? 0 : 1;
}
