// The transaction trace of the simulated bus: every get, set, capabilities request and pause.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SimEvent {
    enum class Kind { Get, Set, Caps, Sleep };
    Kind kind;
    int monitor;         // index of the simulated monitor, -1 for a pause
    std::uint8_t code;   // Get, Set
    std::uint32_t value; // Set: value written; Sleep: milliseconds
    std::uint32_t current;
    std::uint32_t maximum;
    bool ok;
    std::uint32_t ms = 0; // Get, Set, Caps: what the transaction itself took on the wire
};

class SimTrace {
  public:
    void Add(const SimEvent& event) {
        if (m_recording)
            m_events.push_back(event);
    }
    void Clear() { m_events.clear(); }
    void SetRecording(bool on) { m_recording = on; }
    const std::vector<SimEvent>& Events() const { return m_events; }

    // Gets, sets and capabilities requests.
    std::size_t Transactions() const;
    std::uint64_t PausedMs() const;
    // What the transactions themselves took: the calls' costs, slow answers and time-outs.
    std::uint64_t CallMs() const;

    // One line per event in the format that ddcdiag prints:
    //   get CC ok cur=X max=Y | get CC fail | set CC=V ok | set CC=V fail | caps ok | sleep MS
    static std::string Format(const SimEvent& event);
    // Every event recorded so far, formatted, and the trace emptied.
    std::vector<std::string> TakeFormatted();

  private:
    std::vector<SimEvent> m_events;
    bool m_recording = true;
};
