// A command as another process hands it to the running utility (WM_COPYDATA's data), then the
// command line it carries. Checks: a failed read leaves the message alone; a read message has 1 to
// 32 words of at most 1024 bytes without zero bytes and encodes to exactly the bytes read; a
// command line that parses asks only for values within their ranges.
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
