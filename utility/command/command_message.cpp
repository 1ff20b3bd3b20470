#include "utility/command/command_message.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = 5; // version, reply window

} // namespace

std::vector<std::uint8_t> EncodeCommandMessage(const CommandMessage& message) {
    std::vector<std::uint8_t> bytes{kVersion};
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(message.replyWindow >> shift));
    for (const std::string& word : message.words) {
        bytes.insert(bytes.end(), word.begin(), word.end());
        bytes.push_back(0);
    }
    return bytes;
}

bool DecodeCommandMessage(const std::uint8_t* data, std::size_t size, CommandMessage& message) {
    if (!data || size <= kHeaderSize || data[0] != kVersion || data[size - 1] != 0)
        return false;
    CommandMessage read;
    for (int i = 0; i < 4; ++i)
        read.replyWindow |= static_cast<std::uint32_t>(data[1 + i]) << (8 * i);
    const std::uint8_t* at = data + kHeaderSize;
    const std::uint8_t* end = data + size;
    while (at < end) {
        const std::uint8_t* zero = std::find(at, end, std::uint8_t{0});
        if (static_cast<std::size_t>(zero - at) > kCommandWordMax ||
            read.words.size() == kCommandWordsMax)
            return false;
        read.words.emplace_back(at, zero);
        at = zero + 1;
    }
    message = std::move(read);
    return true;
}
