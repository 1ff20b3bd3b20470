// A command as another process hands it to the running utility (WM_COPYDATA's data), then the
// command line it carries; the same bytes as the message's structure (its tag, no structure, no
// data, a short size), as an answer, and as what the utility learns of a reply window. Checks: a
// failed read leaves the message alone; a read message has 1 to 32 words of at most 1024 bytes
// without zero bytes and encodes to exactly the bytes read; a command line that parses asks only
// for values within their ranges; only a request's tag with data of a request's size is read; an
// answer keeps its bytes; a reply window is accepted only in the sender's process and class.
#include "fuzz/testing/fuzz_check.h"
#include "utility/command/command_line.h"
#include "utility/command/command_message.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void CheckRequest(const CommandRequest& request) {
    if (request.verb == CommandVerb::Mode)
        FUZZ_CHECK(request.mode >= 0 && request.mode <= 36);
    if (request.transmittance)
        FUZZ_CHECK(*request.transmittance >= 0 && *request.transmittance <= 50);
    if (request.luminance)
        FUZZ_CHECK(*request.luminance >= -100 && *request.luminance <= 100);
    if (request.verb == CommandVerb::Filter)
        FUZZ_CHECK((request.filterOff + (request.picture > 0) + !request.pictureFile.empty()) == 1);
    if (request.verb == CommandVerb::Restore)
        FUZZ_CHECK(!request.dataName.empty());
}

} // namespace

// The first bytes choose the structure around the rest: which tag, whether there is one, whether
// its data pointer is null and how much of the data it claims.
void CheckStructure(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return;
    const std::uint8_t shape = data[0];
    const std::uint32_t tag = shape & 1   ? kCommandRequestTag
                              : shape & 2 ? kCommandAnswerTag
                                          : data[1];
    const std::uint8_t* rest = data + 2;
    const std::size_t claimed = shape & 4 ? (size - 2) / 2 : size - 2;
    const CopyDataView copy{(shape & 8) == 0, tag, shape & 16 ? nullptr : rest, claimed};
    CommandMessage message;
    if (ReadCommandRequest(copy, message)) {
        FUZZ_CHECK(copy.present && copy.data && tag == kCommandRequestTag);
        FUZZ_CHECK(claimed > 0 && claimed <= kCommandMessageMax);
    }
    std::string text, errors;
    if (ReadCommandAnswer(copy, text, errors)) {
        FUZZ_CHECK(copy.present && tag == kCommandAnswerTag && claimed <= kCommandAnswerMax);
        FUZZ_CHECK(text.size() + errors.size() + (errors.empty() ? 0 : 1) <= claimed);
        FUZZ_CHECK(text.find('\0') == std::string::npos);
    }
    ReplyWindowFacts facts{(shape & 32) != 0, shape & 64 ? kCommandReplyClass : "Edit", data[1],
                           static_cast<std::uint32_t>(shape >> 7)};
    if (ReplyWindowAcceptable(facts))
        FUZZ_CHECK(facts.exists && facts.process == facts.senderProcess && facts.process != 0);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckStructure(data, size);
    CommandMessage message;
    message.replyWindow = 7;
    message.words = {"untouched"};
    if (!DecodeCommandMessage(data, size, message)) {
        FUZZ_CHECK(message.replyWindow == 7 && message.words.size() == 1);
        return 0;
    }
    FUZZ_CHECK(!message.words.empty() && message.words.size() <= kCommandWordsMax);
    for (const std::string& word : message.words)
        FUZZ_CHECK(word.size() <= kCommandWordMax && word.find('\0') == std::string::npos);
    FUZZ_CHECK(EncodeCommandMessage(message) == std::vector<std::uint8_t>(data, data + size));
    CommandRequest request;
    std::string error;
    if (ParseCommandLine(message.words, request, error))
        CheckRequest(request);
    else
        FUZZ_CHECK(!error.empty());
    return 0;
}
