#include "utility/command/command_channel_win.h"

#include "framework/mingw_gaps_win.h"
#include "utility/text/code_page_win.h"
#include "utility/text/executable_name.h"

#include <tlhelp32.h>

#include <cstdint>

namespace {

// The utility answers while the starting process waits for it; a reply window that does not
// take the answer at once is not waited for.
constexpr DWORD kAnswerTimeoutMs = 2000;

} // namespace

std::uint32_t WindowToWire(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

HWND WindowFromWire(std::uint32_t wire) {
    // Window handles are 32-bit values, sign-extended in 64-bit processes.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(wire)));
}

CopyDataView ViewOfCopyData(LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data)
        return {};
    return {true, static_cast<std::uint32_t>(data->dwData), data->lpData, data->cbData};
}

bool IsUtilityProcess(DWORD id) {
    const HANDLE taken = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (taken == INVALID_HANDLE_VALUE)
        return false;
    ScopedKernelHandle snapshot(taken);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.Get(), &entry); more;
         more = ::Process32Next(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID == id)
            return ExecutableBaseName(entry.szExeFile, SystemCodePage()) == "DIMORADDCCI";
    }
    return false;
}

MessageFilterCall SystemMessageFilter() {
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<MessageFilterCall>(reinterpret_cast<void*>(
                        ::GetProcAddress(user32, "ChangeWindowMessageFilterEx")))
                  : nullptr;
}

CommandReplyWindow::CommandReplyWindow(MessageFilterCall allow) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kCommandReplyClass;
    ::RegisterClassA(&wc);
    m_window = ::CreateWindowExA(0, kCommandReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
    if (!m_window)
        return;
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (allow)
        allow(m_window, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
}

CommandReplyWindow::~CommandReplyWindow() {
    if (m_window)
        ::DestroyWindow(m_window);
}

SendResult CommandReplyWindow::Send(HWND utility, const std::vector<std::string>& words,
                                    DWORD timeoutMs, int& status, std::string& text,
                                    std::string& errors) {
    if (!m_window)
        return SendResult::Failed;
    m_text.clear();
    m_errors.clear();
    const std::vector<std::uint8_t> bytes =
        EncodeCommandMessage(CommandMessage{WindowToWire(m_window), words});
    COPYDATASTRUCT data{kCommandRequestTag, static_cast<DWORD>(bytes.size()),
                        const_cast<std::uint8_t*>(bytes.data())};
    DWORD_PTR result = 0;
    // The answer arrives while this call waits: a thread waiting for a sent message takes the
    // messages sent to it.
    m_utility = utility;
    ::SetLastError(ERROR_SUCCESS);
    const LRESULT sent =
        ::SendMessageTimeoutA(utility, WM_COPYDATA, reinterpret_cast<WPARAM>(m_window),
                              reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, timeoutMs, &result);
    // User-interface isolation drops a message to a process of higher rights with this error.
    const bool denied = !sent && ::GetLastError() == ERROR_ACCESS_DENIED;
    m_utility = nullptr;
    if (denied)
        return SendResult::Denied;
    if (!sent || !(result & kCommandAnswered))
        return SendResult::Failed;
    status = static_cast<int>(result & 0xFF);
    text = m_text;
    errors = m_errors;
    return SendResult::Answered;
}

LRESULT CALLBACK CommandReplyWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* self = reinterpret_cast<CommandReplyWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_COPYDATA || !self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (!self->m_utility || reinterpret_cast<HWND>(wParam) != self->m_utility)
        return FALSE;
    return ReadCommandAnswer(ViewOfCopyData(lParam), self->m_text, self->m_errors) ? TRUE : FALSE;
}

bool SendCommandAnswer(HWND utility, HWND sender, const CommandMessage& message,
                       const std::string& text, const std::string& errors) {
    const HWND reply = WindowFromWire(message.replyWindow);
    ReplyWindowFacts facts;
    // HWND_BROADCAST and other handles that name no window are not windows.
    facts.exists = reply != HWND_BROADCAST && ::IsWindow(reply);
    if (facts.exists) {
        char className[64] = {};
        ::GetClassNameA(reply, className, sizeof className);
        facts.className = className;
        DWORD process = 0;
        ::GetWindowThreadProcessId(reply, &process);
        facts.process = process;
    }
    DWORD senderProcess = 0;
    if (sender && ::IsWindow(sender))
        ::GetWindowThreadProcessId(sender, &senderProcess);
    facts.senderProcess = senderProcess;
    if (!ReplyWindowAcceptable(facts))
        return false;
    const std::string answer = EncodeCommandAnswer(text, errors);
    COPYDATASTRUCT data{kCommandAnswerTag, static_cast<DWORD>(answer.size()),
                        const_cast<char*>(answer.data())};
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(reply, WM_COPYDATA, reinterpret_cast<WPARAM>(utility),
                                 reinterpret_cast<LPARAM>(&data), SMTO_BLOCK | SMTO_ABORTIFHUNG,
                                 kAnswerTimeoutMs, &result) != 0;
}
