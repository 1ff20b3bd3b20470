// The DDC/CI calls as the monitor layer makes them: each timed, and a monitor that stopped
// answering left alone until the next enumeration.
//
// A channel that passes the EDID but not DDC/CI (some docks, KVM switches and adapters) makes
// every call block for the driver's time-out, about 3.5 s on Windows, before it fails. A call that
// fails after kTimeOutMs or more counts as such a time-out: the retry loop it is in ends, and
// after kTimeOutsBeforeSilent of them in a row the monitor counts as not answering, and every call
// on it fails at once without reaching the wire. A call that succeeds clears the count.
#pragma once

#include "utility/monitor/ports.h"

#include <cstdint>
#include <map>

// Answered calls take tens of milliseconds (a read about 40 ms, a write about 50 ms) and a
// refused one fails as fast; 1 s lies far above every answer and far below the driver's wait.
inline constexpr std::uint32_t kTimeOutMs = 1000;
inline constexpr int kTimeOutsBeforeSilent = 3;

class AnswerWatch : public DdcPort {
  public:
    AnswerWatch(DdcPort& ddc, ClockPort& clock) : m_ddc(ddc), m_clock(clock) {}

    bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                       std::uint32_t& maximum) override;
    bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) override;
    bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) override;
    bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                     std::uint32_t length) override;

    // False once the monitor has timed out kTimeOutsBeforeSilent times in a row.
    bool Answering(PhysicalHandle handle) const;
    // The last call timed out, or was not made because the monitor no longer answers: a retry
    // loop ends here.
    bool LastTimedOut() const { return m_lastTimedOut; }
    // A new enumeration: every monitor is tried again.
    void Forget();

  private:
    template <typename Call> bool Timed(PhysicalHandle handle, Call call);

    DdcPort& m_ddc;
    ClockPort& m_clock;
    std::map<PhysicalHandle, int> m_timeOuts; // consecutive time-outs per monitor
    bool m_lastTimedOut = false;
};
