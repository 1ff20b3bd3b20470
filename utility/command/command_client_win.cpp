#include "utility/command/command_client_win.h"

#include "framework/handles_win.h"
#include "framework/res_string_win.h"
#include "utility/command/command_alone_win.h"
#include "utility/command/command_channel_win.h"
#include "utility/command/command_client_rules.h"
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

// The utility's single-instance mutex: absent, held (it runs or is starting), or one this
// process may not open (a utility running with higher rights).
UtilityMutex ProbeUtilityMutex() {
    const std::string name = LoadResString(IDS_MUTEX_NAME);
    ScopedKernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, name.c_str()));
    if (mutex)
        return UtilityMutex::Held;
    return ::GetLastError() == ERROR_ACCESS_DENIED ? UtilityMutex::Denied : UtilityMutex::Absent;
}

// The running utility's main window: a window of its class in a process that is a
// DimoraDdcci.exe (another program may register the class), and whether it is ready.
UtilityProbe ProbeUtility(HWND& main) {
    UtilityProbe probe;
    main = nullptr;
    for (HWND window = nullptr;
         (window = ::FindWindowExA(nullptr, window, DIMORA_MAIN_CLASS, nullptr)) != nullptr;) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (IsUtilityProcess(process)) {
            main = window;
            break;
        }
    }
    if (main) {
        DWORD_PTR ready = 0;
        ::SetLastError(ERROR_SUCCESS);
        const LRESULT answered =
            ::SendMessageTimeoutA(main, ::RegisterWindowMessageA(kStateQueryMessage), kQueryReady,
                                  0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kPollMs * 10, &ready);
        probe.windowReady = answered && ready == 1;
        probe.windowDenied = !answered && ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    if (!probe.windowReady)
        probe.mutex = ProbeUtilityMutex();
    return probe;
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
        HWND utility = nullptr;
        UtilityProbe probe = ProbeUtility(utility);
        CommandAnswer answer;
        if (NextClientStep(probe) == ClientStep::Send) {
            const SendResult sent = reply.Send(utility, words, kCommandTimeoutMs, answer.status,
                                               answer.text, answer.errors);
            if (sent == SendResult::Answered)
                return answer;
            probe.windowDenied = sent == SendResult::Denied;
            // Otherwise the utility ended meanwhile, or it is stuck: it is asked again below.
        }
        switch (NextClientStep(probe)) {
        case ClientStep::Unreachable:
            return UnreachableAnswer();
        case ClientStep::RunAlone:
            // A utility that started meanwhile takes the command instead.
            if (RunCommandAlone(
                    request, [] { return ProbeUtilityMutex() != UtilityMutex::Absent; }, answer))
                return answer;
            break;
        default:
            break;
        }
        ::Sleep(kPollMs);
    }
    return SilentUtilityAnswer();
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
    WriteCommandOutput(answer);
    return answer.status;
}
