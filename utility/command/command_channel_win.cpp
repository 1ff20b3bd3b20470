#include "utility/command/command_channel_win.h"

#include <cstdint>

namespace {

constexpr char kReplyClass[] = "DimoraCommandReply";
// The utility hands the text back while the starting process still waits for it: a short wait.
constexpr DWORD kAnswerTimeoutMs = 10000;

} // namespace

std::uint32_t WindowToWire(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

HWND WindowFromWire(std::uint32_t wire) {
    // Window handles are 32-bit values, sign-extended in 64-bit processes.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(wire)));
}

CommandReplyWindow::CommandReplyWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kReplyClass;
    ::RegisterClassA(&wc);
    m_window = ::CreateWindowExA(0, kReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
    if (m_window)
        ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CommandReplyWindow::~CommandReplyWindow() {
    if (m_window)
        ::DestroyWindow(m_window);
}

bool CommandReplyWindow::Send(HWND utility, const std::vector<std::string>& words, DWORD timeoutMs,
                              int& status, std::string& text) {
    if (!m_window)
        return false;
    m_utility = utility;
    m_text.clear();
    const std::vector<std::uint8_t> bytes =
        EncodeCommandMessage(CommandMessage{WindowToWire(m_window), words});
    COPYDATASTRUCT data{kCommandRequestTag, static_cast<DWORD>(bytes.size()),
                        const_cast<std::uint8_t*>(bytes.data())};
    DWORD_PTR result = 0;
    // The answer arrives while this call waits: a thread waiting for a sent message takes the
    // messages sent to it.
    if (!::SendMessageTimeoutA(utility, WM_COPYDATA, reinterpret_cast<WPARAM>(m_window),
                               reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, timeoutMs, &result) ||
        !(result & kCommandAnswered))
        return false;
    status = static_cast<int>(result & 0xFF);
    text = m_text;
    return true;
}

LRESULT CALLBACK CommandReplyWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* self = reinterpret_cast<CommandReplyWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_COPYDATA || !self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (reinterpret_cast<HWND>(wParam) != self->m_utility || data.dwData != kCommandAnswerTag)
        return FALSE;
    self->m_text.assign(static_cast<const char*>(data.lpData), data.cbData);
    return TRUE;
}

bool ReadCommandRequest(const COPYDATASTRUCT& data, CommandMessage& message) {
    return data.dwData == kCommandRequestTag &&
           DecodeCommandMessage(static_cast<const std::uint8_t*>(data.lpData), data.cbData,
                                message);
}

void SendCommandAnswer(HWND utility, const CommandMessage& message, const std::string& text) {
    COPYDATASTRUCT data{kCommandAnswerTag, static_cast<DWORD>(text.size()),
                        const_cast<char*>(text.data())};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(WindowFromWire(message.replyWindow), WM_COPYDATA,
                          reinterpret_cast<WPARAM>(utility), reinterpret_cast<LPARAM>(&data),
                          SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result);
}
