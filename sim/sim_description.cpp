// Reader of the monitor description files: one directive per line, see sim/README.md.
#include "sim/sim_system.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct Reader {
    SimSystem& system;
    std::string& error;
    SimMonitorConfig monitor;
    bool haveMonitor = false;
    int line = 0;

    bool Fail(const std::string& what) {
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    }

    void Flush() {
        if (haveMonitor)
            system.bus.Add(std::move(monitor));
        monitor = SimMonitorConfig{};
        haveMonitor = false;
    }

    // The text after the directive and one separating blank, verbatim.
    static std::string Rest(std::istringstream& in) {
        std::string rest;
        std::getline(in, rest);
        if (!rest.empty() && rest.front() == ' ')
            rest.erase(0, 1);
        return rest;
    }

    static bool Number(const std::string& token, int base, unsigned long long& out) {
        if (token.empty())
            return false;
        char* end = nullptr;
        out = std::strtoull(token.c_str(), &end, base);
        return *end == '\0';
    }

    bool Hex(std::istringstream& in, unsigned long long max, unsigned long long& out) {
        std::string token;
        in >> token;
        return Number(token, 16, out) && out <= max;
    }

    bool Value(std::istringstream& in, unsigned long long& out) {
        std::string token;
        in >> token;
        return Number(token, 0, out) && out <= 0xFFFFFFFFull;
    }

    bool NeedMonitor(const std::string& directive) {
        return haveMonitor || Fail("'" + directive + "' before any 'monitor' line");
    }

    bool Slot(std::istringstream& in) {
        unsigned long long slot = 0;
        std::string kind;
        if (!Hex(in, 3, slot) || !(in >> kind))
            return Fail("expected: slot N text|hex|length ...");
        auto& bytes = monitor.slots[slot];
        if (kind == "text") {
            const std::string text = Rest(in);
            bytes.assign(text.begin(), text.end());
            return true;
        }
        if (kind == "length") {
            unsigned long long length = 0;
            if (!Value(in, length))
                return Fail("bad slot length");
            monitor.announcedLength[slot] = static_cast<std::uint32_t>(length);
            return true;
        }
        if (kind != "hex")
            return Fail("slot content must be text, hex or length");
        bytes.clear();
        std::string token;
        while (in >> token) {
            if (token.size() % 2 != 0)
                return Fail("hex bytes come in pairs of digits: " + token);
            for (std::size_t i = 0; i < token.size(); i += 2) {
                unsigned long long byte = 0;
                if (!Number(token.substr(i, 2), 16, byte))
                    return Fail("bad hex byte: " + token);
                bytes.push_back(static_cast<std::uint8_t>(byte));
            }
        }
        return true;
    }

    // "fault read|write PAGE CODE N" and "ignore write PAGE CODE N".
    bool Fault(std::istringstream& in, bool ignore) {
        std::string kind;
        unsigned long long page = 0, code = 0, count = 0;
        in >> kind;
        const bool kindOk = ignore ? kind == "write" : kind == "read" || kind == "write";
        if (!kindOk || !Hex(in, 0xFFFF, page) || !Hex(in, 0xFF, code) || !Value(in, count))
            return Fail(ignore ? "expected: ignore write PAGE CODE COUNT"
                               : "expected: fault read|write PAGE CODE COUNT");
        const auto faultKind = ignore           ? SimFault::Kind::Ignore
                               : kind == "read" ? SimFault::Kind::Read
                                                : SimFault::Kind::Write;
        monitor.faults.push_back({faultKind, static_cast<std::uint16_t>(page),
                                  static_cast<std::uint8_t>(code), static_cast<int>(count)});
        return true;
    }

    bool Milliseconds(std::istringstream& in, std::uint32_t& out, const char* expected) {
        unsigned long long ms = 0;
        if (!Value(in, ms))
            return Fail(std::string("expected: ") + expected);
        out = static_cast<std::uint32_t>(ms);
        return true;
    }

    bool CallCost(std::istringstream& in) {
        std::string call;
        in >> call;
        std::uint32_t* cost = call == "get"    ? &monitor.getCostMs
                              : call == "set"  ? &monitor.setCostMs
                              : call == "caps" ? &monitor.capsCostMs
                                               : nullptr;
        if (!cost)
            return Fail("expected: call-cost get|set|caps MS");
        return Milliseconds(in, *cost, "call-cost get|set|caps MS");
    }

    bool Process(std::istringstream& in, bool self) {
        unsigned long long id = 0;
        std::string name;
        if (!Value(in, id) || !(in >> name))
            return Fail("expected: process|self PID NAME");
        const ProcessInfo info{static_cast<std::uint32_t>(id), name};
        if (self)
            system.processes.self = info;
        else
            system.processes.others.push_back(info);
        return true;
    }

    bool Directive(const std::string& text) {
        std::istringstream in(text);
        std::string directive;
        if (!(in >> directive) || directive[0] == '#')
            return true;
        if (directive == "process" || directive == "self")
            return Process(in, directive == "self");
        if (directive == "monitor") {
            Flush();
            haveMonitor = true;
            monitor.name = Rest(in);
            return true;
        }
        if (!NeedMonitor(directive))
            return false;
        unsigned long long a = 0, b = 0, c = 0, d = 0;
        if (directive == "device") {
            in >> monitor.device;
            return !monitor.device.empty() || Fail("device needs a name");
        }
        if (directive == "desktop") {
            long long v[4];
            if (!(in >> v[0] >> v[1] >> v[2] >> v[3]))
                return Fail("expected: desktop LEFT TOP RIGHT BOTTOM");
            for (int i = 0; i < 4; ++i)
                monitor.desktop[i] = static_cast<std::int32_t>(v[i]);
            return true;
        }
        if (directive == "maker") {
            std::string yes;
            in >> yes;
            monitor.makerRecognised = yes == "yes";
            return yes == "yes" || yes == "no" || Fail("expected: maker yes|no");
        }
        if (directive == "caps") {
            monitor.capabilities = Rest(in);
            return true;
        }
        if (directive == "caps-fail")
            return Value(in, a) ? (monitor.capabilitiesFailures = static_cast<int>(a), true)
                                : Fail("expected: caps-fail COUNT");
        if (directive == "vcp") {
            if (!Hex(in, 0xFF, a) || !Value(in, b) || !Value(in, c))
                return Fail("expected: vcp CODE CURRENT MAXIMUM");
            monitor.vcp[static_cast<std::uint8_t>(a)] = {static_cast<std::uint32_t>(b),
                                                         static_cast<std::uint32_t>(c)};
            return true;
        }
        if (directive == "vendor") {
            if (!Hex(in, 0xFFFF, a) || !Hex(in, 0xFF, b) || !Value(in, c) || !Value(in, d))
                return Fail("expected: vendor PAGE CODE CURRENT MAXIMUM");
            monitor.vendor[{static_cast<std::uint16_t>(a), static_cast<std::uint8_t>(b)}] = {
                static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(d)};
            return true;
        }
        if (directive == "slot")
            return Slot(in);
        if (directive == "owner")
            return Value(in, a) ? (monitor.owner = static_cast<std::uint32_t>(a) & 0xFFFF, true)
                                : Fail("expected: owner VALUE");
        if (directive == "fault" || directive == "ignore")
            return Fault(in, directive == "ignore");
        if (directive == "dead")
            return monitor.dead = true;
        if (directive == "acknowledge-writes")
            return monitor.acknowledgeWrites = true;
        if (directive == "dead-ms")
            return Milliseconds(in, monitor.deadMs, "dead-ms MS");
        if (directive == "answer-ms")
            return Milliseconds(in, monitor.answerMs, "answer-ms MS");
        if (directive == "call-cost")
            return CallCost(in);
        if (directive == "vanish")
            return Value(in, a) ? (monitor.vanishAfter = static_cast<int>(a), true)
                                : Fail("expected: vanish AFTER");
        return Fail("unknown directive '" + directive + "'");
    }
};

} // namespace

bool LoadSimDescription(std::istream& in, SimSystem& system, std::string& error) {
    Reader reader{system, error, {}, false, 0};
    std::string text;
    while (std::getline(in, text)) {
        ++reader.line;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (!reader.Directive(text))
            return false;
    }
    reader.Flush();
    if (system.bus.Count() == 0) {
        error = "no monitor described";
        return false;
    }
    return true;
}

bool LoadSimDescriptionFile(const std::string& path, SimSystem& system, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    return LoadSimDescription(in, system, error);
}
