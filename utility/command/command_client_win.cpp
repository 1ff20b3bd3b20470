#include "utility/command/command_client_win.h"

#include "framework/handles_win.h"
#include "framework/res_string_win.h"
#include "utility/command/command_alone_win.h"
#include "utility/command/command_channel_win.h"
#include "utility/command/command_console_win.h"
#include "utility/command/command_line.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

namespace {

// How long a starting utility may take to be ready, and a command to be carried out (a restore
// on every monitor of a large desk, with its pauses).
constexpr DWORD kStartingWaitMs = 60000;
constexpr DWORD kPollMs = 100;
constexpr DWORD kCommandTimeoutMs = 120000;

// The utility runs (or is starting): it holds its single-instance mutex.
bool UtilityRuns() {
    const std::string name = LoadResString(IDS_MUTEX_NAME);
    ScopedKernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, name.c_str()));
    return static_cast<bool>(mutex);
}

// The running utility's main window once its start-up has finished; null without one.
HWND ReadyUtility() {
    const HWND main = ::FindWindowA(DIMORA_MAIN_CLASS, nullptr);
    DWORD_PTR ready = 0;
    if (!main || !::SendMessageTimeoutA(main, ::RegisterWindowMessageA(kStateQueryMessage),
                                        kQueryReady, 0, SMTO_NORMAL, kPollMs * 10, &ready))
        return nullptr;
    return ready == 1 ? main : nullptr;
}

// The picture file as a full path: the utility, which opens it, has a folder of its own.
void MakePicturePathFull(CommandRequest& request, std::vector<std::string>& words) {
    if (request.verb != CommandVerb::Filter || request.pictureFile.empty())
        return;
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(request.pictureFile.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!words[i].empty() && words[i][0] == '/')
            ++i; // an option and its value
        else if (words[i] == request.pictureFile)
            words[i] = full;
    }
    request.pictureFile = full;
}

CommandAnswer Carry(const CommandRequest& request, const std::vector<std::string>& words) {
    const DWORD start = ::GetTickCount();
    CommandReplyWindow reply;
    while (::GetTickCount() - start < kStartingWaitMs) {
        if (HWND utility = ReadyUtility()) {
            CommandAnswer answer;
            if (reply.Send(utility, words, kCommandTimeoutMs, answer.status, answer.text))
                return answer;
            // The utility ended meanwhile, or it is stuck: it is asked again below.
        } else if (!UtilityRuns()) {
            return RunCommandAlone(request);
        }
        ::Sleep(kPollMs);
    }
    return CommandAnswer{kCommandNoAnswer, "DimoraDdcci: the running utility does not answer\n"};
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args) {
    CommandRequest request;
    std::string error;
    CommandAnswer answer;
    if (!ParseCommandLine(args, request, error)) {
        answer = CommandLineError(error);
    } else if (request.verb == CommandVerb::Help) {
        answer.text = CommandUsage();
    } else {
        std::vector<std::string> words = args;
        MakePicturePathFull(request, words);
        answer = Carry(request, words);
    }
    WriteCommandOutput(answer.text);
    return answer.status;
}
