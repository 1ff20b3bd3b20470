#include "utility/monitor/answer_watch.h"

template <typename Call> bool AnswerWatch::Timed(PhysicalHandle handle, Call call) {
    if (!Answering(handle)) {
        m_lastTimedOut = true;
        return false;
    }
    const std::uint32_t start = m_clock.TickCount();
    const bool ok = call();
    // Unsigned difference: right across the tick count's wrap.
    m_lastTimedOut = !ok && m_clock.TickCount() - start >= kTimeOutMs;
    if (ok)
        m_timeOuts.erase(handle);
    else if (m_lastTimedOut)
        ++m_timeOuts[handle];
    return ok;
}

bool AnswerWatch::Answering(PhysicalHandle handle) const {
    const auto it = m_timeOuts.find(handle);
    return it == m_timeOuts.end() || it->second < kTimeOutsBeforeSilent;
}

void AnswerWatch::Forget() {
    m_timeOuts.clear();
    m_lastTimedOut = false;
}

bool AnswerWatch::GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                                std::uint32_t& maximum) {
    return Timed(handle, [&] { return m_ddc.GetVcpFeature(handle, code, current, maximum); });
}

bool AnswerWatch::SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) {
    return Timed(handle, [&] { return m_ddc.SetVcpFeature(handle, code, value); });
}

bool AnswerWatch::GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) {
    return Timed(handle, [&] { return m_ddc.GetCapabilitiesStringLength(handle, length); });
}

bool AnswerWatch::CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                              std::uint32_t length) {
    return Timed(handle, [&] { return m_ddc.CapabilitiesRequestAndReply(handle, buffer, length); });
}
