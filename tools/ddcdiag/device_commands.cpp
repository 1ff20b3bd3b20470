// caps, get, set and vendor: one monitor operation each, through DeviceCtrl inside the ownership
// bracket, on the real monitors or on simulated ones, with the bus trace of every step.
#include "tools/ddcdiag/commands.h"

#include "sim/sim_system.h"
#include "tools/ddcdiag/tracing_ports.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/write_pauses.h"
#include "utility/text/printable_text.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

namespace {

std::string Hex2(unsigned value) {
    char text[12];
    std::snprintf(text, sizeof text, "%02x", value);
    return text;
}

bool ParseHex(const std::string& text, unsigned long max, unsigned long& out) {
    char* end = nullptr;
    out = std::strtoul(text.c_str(), &end, 16);
    return !text.empty() && *end == '\0' && out <= max;
}

// Why DeviceCtrl sent nothing for an operation on `page` (0: standard) and `code`; `value` for a
// write. Its checks, in its order.
std::string WhyNotSent(const CMonitorStatus& state, bool owned, std::uint16_t page,
                       std::uint8_t code, std::optional<std::uint32_t> value) {
    const std::string what = "code " + Hex2(code) + (page ? " on page " + Hex2(page) : "");
    const auto listed =
        value ? static_cast<std::int32_t>(*value > 0x7FFFFFFFu ? 0x7FFFFFFFu : *value) : kAnyValue;
    const bool declared = page ? Contains(state.vendorPages, VendorKey{page, code}, kAnyValue)
                               : Contains(state.capabilityCodes, code, kAnyValue);
    if (!declared)
        return "the monitor does not declare " + what;
    const bool valueListed = page ? Contains(state.vendorPages, VendorKey{page, code}, listed)
                                  : Contains(state.capabilityCodes, code, listed);
    if (!valueListed)
        return "the monitor does not list value " + std::to_string(*value) + " for " + what;
    if (value && !(page ? VendorWritePause(page, code) : StandardWritePause(code)))
        return what + " has no write pause: the program never writes it";
    if (page && !owned)
        return "the owner register was not taken";
    return "";
}

// The monitors of one enumeration, with the trace switched on for the command's own steps.
class Session {
  public:
    Session(const MonitorPorts& ports, std::ostream& out)
        : m_ddc(ports.ddc, m_trace), m_clock(ports.clock, m_trace),
          m_ctrl(MonitorPorts{m_ddc, m_clock, ports.processes, ports.display, ports.panq,
                              ports.codePage}),
          m_out(out) {
        m_trace.SetRecording(false);
        RebuildMonitorList(m_ctrl, m_all);
        m_trace.SetRecording(true);
    }

    std::size_t EntryCount() const { return m_ctrl.EntryCount(); }

    // The entry labelled `label`; without a label the first supported one (else the first).
    std::optional<std::size_t> Find(const std::string& label) const {
        for (std::size_t i = 0; i < m_ctrl.EntryCount(); ++i) {
            const MonitorEntry& entry = m_ctrl.Entry(i);
            if (label.empty() ? entry.supported : entry.displayLabel == label)
                return i;
        }
        if (label.empty() && m_ctrl.EntryCount() > 0)
            return 0;
        return std::nullopt;
    }

    // The monitor state of entry `index`: the one the enumeration built, or one made from the
    // entry's maps for a monitor the program does not control.
    const CMonitorStatus& StateOf(std::size_t index) {
        MonitorEntry& entry = m_ctrl.Entry(index);
        for (const auto& state : m_all.monitors) {
            if (state->physicalHandle == &entry.physicalHandle)
                return *state;
        }
        m_bare = std::make_unique<CMonitorStatus>();
        m_bare->physicalHandle = &entry.physicalHandle;
        m_bare->capabilityCodes = entry.capabilityCodes;
        m_bare->vendorPages = entry.vendorPages;
        return *m_bare;
    }

    void Header(std::size_t index) {
        const MonitorEntry& e = m_ctrl.Entry(index);
        m_out << "monitor " << e.displayLabel << " device=" << e.monitorInfo.device;
        const CMonitorStatus& state = StateOf(index);
        if (!state.identityKey.empty())
            m_out << " model=" << PrintableText(state.modelName)
                  << " serial=" << PrintableText(state.serialNumber) << '\n';
        else
            m_out << " description=\"" << PrintableText(e.description) << "\" not controlled: "
                  << (e.supported ? "its serial number and model name could not be read"
                                  : EntryCheckName(e.failedCheck))
                  << '\n';
    }

    // Runs one step and prints it: "> what", its bus events, "= result". `run` answers the
    // result text, "ok ..." or "fail"; a failure without bus traffic says why (`why`).
    bool Step(const std::string& what, const std::function<std::string()>& run,
              const std::function<std::string()>& why = {}) {
        m_out << "> " << what << '\n';
        m_trace.Clear();
        std::string result = run();
        for (const auto& event : m_trace.Events())
            m_out << SimTrace::Format(event) << '\n';
        const bool ok = result.rfind("ok", 0) == 0;
        if (!ok && m_trace.Events().empty() && why) {
            const std::string reason = why();
            if (!reason.empty())
                result += " (not sent: " + reason + ")";
        }
        m_out << "= " << result << '\n';
        return ok;
    }

    DeviceCtrl& Ctrl() { return m_ctrl; }
    MonitorEntry& Entry(std::size_t index) { return m_ctrl.Entry(index); }
    std::ostream& Out() { return m_out; }

  private:
    SimTrace m_trace;
    TracingDdcPort m_ddc;
    TracingClock m_clock;
    DeviceCtrl m_ctrl;
    CMonitorStatusAll m_all;
    std::unique_ptr<CMonitorStatus> m_bare;
    std::ostream& m_out;
};

std::string Outcome(bool ok) {
    return ok ? "ok" : "fail";
}

// caps: the capabilities string read again, its parse, and the vendor page list the enumeration
// read.
bool CapsOf(Session& session, std::size_t index) {
    session.Header(index);
    MonitorEntry& entry = session.Entry(index);
    const bool read = session.Step(
        "caps", [&] { return Outcome(session.Ctrl().ReadCapabilities(index, Retry::Yes)); });
    if (!read)
        return false;
    CapabilityCodes codes;
    const bool parsed = ParseCapabilities(entry.capabilities, codes);
    session.Out() << "text " << entry.capabilities << '\n'
                  << "parse " << Outcome(parsed) << CodesText(codes) << '\n';
    if (!entry.vendorPageList.empty()) {
        VendorPageMap pages;
        ParseVendorPages(entry.vendorPageList, pages);
        session.Out() << "vendor-pages " << entry.vendorPageList << '\n'
                      << "parse ok" << PagesText(pages) << '\n';
    }
    return parsed;
}

// One read or write of `page` (0: standard) and `code` inside the ownership bracket.
bool Access(Session& session, std::size_t index, std::uint16_t page, std::uint8_t code,
            std::optional<std::uint32_t> value) {
    session.Header(index);
    DeviceCtrl& ctrl = session.Ctrl();
    MonitorEntry& entry = session.Entry(index);
    // A monitor the enumeration did not get as far as asking: its capabilities first.
    if (entry.capabilities.empty() &&
        session.Step("caps", [&] { return Outcome(ctrl.ReadCapabilities(index, Retry::Yes)); }))
        ParseCapabilities(entry.capabilities, entry.capabilityCodes);
    const CMonitorStatus& state = session.StateOf(index);
    const PhysicalHandle handle = state.Handle();
    session.Step("take", [&] { return Outcome(ctrl.TakeOwnership(handle, Retry::Yes)); });
    const bool owned = ctrl.HasOwnership();
    // DeviceCtrl sends a standard code without the claim: get and set stop at a failed one
    // rather than work on a monitor another program holds.
    const bool stopped = !owned && page == 0;
    const std::string target = (page ? Hex2(page) + " " : "") + Hex2(code);
    const auto why = [&] {
        return stopped ? "the owner register was not taken"
                       : WhyNotSent(state, owned, page, code, value);
    };
    bool ok = false;
    if (value) {
        ok = session.Step(
            "write " + target + " " + std::to_string(*value),
            [&] {
                return stopped ? "fail"
                               : Outcome(ctrl.WriteFeature(state, page, code, *value,
                                                           PageSelect::Write));
            },
            why);
    } else {
        ok = session.Step(
            "read " + target,
            [&] {
                if (stopped)
                    return std::string("fail");
                std::uint32_t current = 0, maximum = 0;
                if (!ctrl.ReadFeature(state, page, code, &current, &maximum, PageSelect::Write,
                                      Retry::Yes))
                    return std::string("fail");
                return "ok current=" + std::to_string(current) +
                       " maximum=" + std::to_string(maximum);
            },
            why);
    }
    session.Step("release", [&] { return Outcome(ctrl.ReleaseOwnership(handle)); });
    return ok;
}

struct DeviceArgs {
    std::vector<std::string> positional;
    std::string simFile;
    std::string label;
};

bool ParseDeviceArgs(const std::vector<std::string>& args, DeviceArgs& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sim" || args[i] == "--monitor") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return false;
            (args[i] == "--sim" ? parsed.simFile : parsed.label) = args[i + 1];
            ++i;
        } else if (args[i].rfind("--", 0) == 0) {
            return false;
        } else {
            parsed.positional.push_back(args[i]);
        }
    }
    return true;
}

// Runs `work` over the simulated monitors of the file or over the real ones.
int WithPorts(const DeviceArgs& args, std::ostream& out, std::ostream& err,
              const std::function<int(Session&)>& work) {
    auto run = [&](const MonitorPorts& ports) {
        Session session(ports, out);
        return work(session);
    };
    if (args.simFile.empty())
        return WithRealPorts(run, err);
    SimSystem system;
    std::string error;
    if (!LoadSimDescriptionFile(args.simFile, system, error)) {
        err << "ddcdiag: " << args.simFile << ": " << error << '\n';
        return 2;
    }
    return run(system.Ports());
}

int NoMonitor(const std::string& label, std::ostream& out) {
    out << "no monitor" << (label.empty() ? "" : " labelled " + label) << '\n';
    return 1;
}

} // namespace

bool ParseNumber(const std::string& text, unsigned long& out) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.size() > 8 ||
        digits.find_first_not_of(allowed) != std::string::npos)
        return false;
    out = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
    return out <= 0xFFFF;
}

int CapsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DeviceArgs parsed;
    if (!ParseDeviceArgs(args, parsed) || !parsed.positional.empty())
        return -1;
    return WithPorts(parsed, out, err, [&](Session& session) {
        if (!parsed.label.empty()) {
            const auto index = session.Find(parsed.label);
            return index ? (CapsOf(session, *index) ? 0 : 1) : NoMonitor(parsed.label, out);
        }
        if (session.EntryCount() == 0)
            return NoMonitor("", out);
        bool all = true;
        for (std::size_t i = 0; i < session.EntryCount(); ++i)
            all = CapsOf(session, i) && all;
        return all ? 0 : 1;
    });
}

int AccessCommand(AccessKind kind, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
    DeviceArgs parsed;
    if (!ParseDeviceArgs(args, parsed))
        return -1;
    const auto& p = parsed.positional;
    // get CODE | set CODE VALUE | vendor PAGE CODE [VALUE]
    const bool vendor = kind == AccessKind::Vendor;
    const std::size_t first = vendor ? 1 : 0;
    const bool shape = kind == AccessKind::Get   ? p.size() == 1
                       : kind == AccessKind::Set ? p.size() == 2
                                                 : p.size() == 2 || p.size() == 3;
    unsigned long page = 0, code = 0, value = 0;
    if (!shape || (vendor && (!ParseHex(p[0], 0xFFFF, page) || page == 0)) ||
        !ParseHex(p[first], 0xFF, code))
        return -1;
    std::optional<std::uint32_t> written;
    if (p.size() == first + 2) {
        if (!ParseNumber(p[first + 1], value))
            return -1;
        written = static_cast<std::uint32_t>(value);
    }
    return WithPorts(parsed, out, err, [&](Session& session) {
        const auto index = session.Find(parsed.label);
        if (!index)
            return NoMonitor(parsed.label, out);
        return Access(session, *index, static_cast<std::uint16_t>(page),
                      static_cast<std::uint8_t>(code), written)
                   ? 0
                   : 1;
    });
}
