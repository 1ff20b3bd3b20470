#include "utility/monitor/monitor_identity.h"

#include <cctype>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kIdentityCapacity = 18;

// The slot's text up to its first zero byte, trimmed at both ends; empty on failure.
std::string ReadIdentityText(DeviceCtrl& ctrl, const CMonitorStatus& state, int slot,
                             PageSelect pageSelect) {
    std::uint8_t buffer[kIdentityCapacity] = {};
    std::size_t length = 0;
    if (!ctrl.ReadBlock(state, slot, buffer, sizeof buffer, pageSelect, &length))
        return {};
    const auto* zero = static_cast<const std::uint8_t*>(std::memchr(buffer, 0, length));
    std::string text(reinterpret_cast<const char*>(buffer), zero ? zero - buffer : length);
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && blank(text[first]))
        ++first;
    return text.substr(first);
}

} // namespace

bool ReadSerialNumber(DeviceCtrl& ctrl, CMonitorStatus& state, PageSelect pageSelect) {
    state.serialNumber = ReadIdentityText(ctrl, state, 2, pageSelect);
    return !state.serialNumber.empty();
}

bool ReadModelName(DeviceCtrl& ctrl, CMonitorStatus& state, PageSelect pageSelect) {
    state.modelName = ReadIdentityText(ctrl, state, 3, pageSelect);
    return !state.modelName.empty();
}

bool ParseMonitorInformation(DeviceCtrl& ctrl, CMonitorStatus& state, PageSelect pageSelect) {
    std::uint8_t block[kMonitorInformationSize] = {};
    if (!ctrl.ReadBlock(state, 1, block, sizeof block, pageSelect))
        return false;
    return ParseMonitorInformationBlock(block, state.information);
}
