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

bool ReadCommandRequest(const CopyDataView& copy, CommandMessage& message) {
    if (!copy.present || copy.tag != kCommandRequestTag || !copy.data || copy.size == 0 ||
        copy.size > kCommandMessageMax)
        return false;
    return DecodeCommandMessage(static_cast<const std::uint8_t*>(copy.data), copy.size, message);
}

std::string EncodeCommandAnswer(const std::string& text, const std::string& errors) {
    std::string data = text.substr(0, text.find('\0'));
    if (!errors.empty())
        data += '\0' + errors;
    return data.substr(0, kCommandAnswerMax);
}

bool ReadCommandAnswer(const CopyDataView& copy, std::string& text, std::string& errors) {
    if (!copy.present || copy.tag != kCommandAnswerTag || copy.size > kCommandAnswerMax ||
        (copy.size > 0 && !copy.data))
        return false;
    const std::string data =
        copy.size ? std::string(static_cast<const char*>(copy.data), copy.size) : std::string();
    const std::size_t zero = data.find('\0');
    text = data.substr(0, zero);
    errors = zero == std::string::npos ? std::string() : data.substr(zero + 1);
    return true;
}

bool ReplyWindowAcceptable(const ReplyWindowFacts& facts) {
    return facts.exists && facts.className == kCommandReplyClass && facts.senderProcess != 0 &&
           facts.process == facts.senderProcess;
}
