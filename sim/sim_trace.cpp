#include "sim/sim_trace.h"

#include <cstdio>
#include <string>

std::size_t SimTrace::Transactions() const {
    std::size_t count = 0;
    for (const auto& event : m_events)
        count += event.kind != SimEvent::Kind::Sleep;
    return count;
}

std::uint64_t SimTrace::PausedMs() const {
    std::uint64_t ms = 0;
    for (const auto& event : m_events) {
        if (event.kind == SimEvent::Kind::Sleep)
            ms += event.value;
    }
    return ms;
}

std::uint64_t SimTrace::CallMs() const {
    std::uint64_t ms = 0;
    for (const auto& event : m_events) {
        if (event.kind != SimEvent::Kind::Sleep)
            ms += event.ms;
    }
    return ms;
}

std::vector<std::string> SimTrace::TakeFormatted() {
    std::vector<std::string> lines;
    for (const auto& event : m_events)
        lines.push_back(Format(event));
    m_events.clear();
    return lines;
}

std::string SimTrace::Format(const SimEvent& event) {
    char line[96];
    const char* result = event.ok ? "ok" : "fail";
    switch (event.kind) {
    case SimEvent::Kind::Get:
        if (event.ok)
            std::snprintf(line, sizeof line, "get %02x ok cur=%x max=%x", event.code,
                          static_cast<unsigned>(event.current),
                          static_cast<unsigned>(event.maximum));
        else
            std::snprintf(line, sizeof line, "get %02x fail", event.code);
        break;
    case SimEvent::Kind::Set:
        std::snprintf(line, sizeof line, "set %02x=%x %s", event.code,
                      static_cast<unsigned>(event.value), result);
        break;
    case SimEvent::Kind::Caps:
        std::snprintf(line, sizeof line, "caps %s", result);
        break;
    case SimEvent::Kind::Sleep:
        std::snprintf(line, sizeof line, "sleep %u", static_cast<unsigned>(event.value));
        break;
    }
    // A failure that took time is a time-out, and says so; answered calls keep their short line.
    if (event.kind != SimEvent::Kind::Sleep && !event.ok && event.ms > 0)
        return std::string(line) + " after " + std::to_string(event.ms) + " ms";
    return line;
}
