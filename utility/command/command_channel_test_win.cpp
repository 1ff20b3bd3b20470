// The starting process's reply window under Windows' user-interface isolation: it lets
// WM_COPYDATA in from processes of lower rights, and takes an answer only from the utility it
// asked, while it waits.
#include "utility/command/command_channel_win.h"

#include <gtest/gtest.h>

namespace {

struct FilterCall {
    HWND window;
    UINT message;
    DWORD action;
};
std::vector<FilterCall> g_calls;

BOOL WINAPI RecordFilter(HWND window, UINT message, DWORD action, void*) {
    g_calls.push_back({window, message, action});
    return TRUE;
}

// A stand-in for the utility's main window: answers a request first from another window, then
// from itself, with status 3.
HWND g_stranger = nullptr;

LRESULT CALLBACK UtilityProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA)
        return ::DefWindowProcA(window, message, wParam, lParam);
    CommandMessage request;
    if (!ReadCommandRequest(ViewOfCopyData(lParam), request))
        return FALSE;
    const HWND reply = WindowFromWire(request.replyWindow);
    for (HWND from : {g_stranger, window}) {
        const std::string text = EncodeCommandAnswer(from == window ? "mine\n" : "forged\n", "");
        COPYDATASTRUCT data{kCommandAnswerTag, static_cast<DWORD>(text.size()),
                            const_cast<char*>(text.data())};
        ::SendMessageA(reply, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                       reinterpret_cast<LPARAM>(&data));
    }
    return static_cast<LRESULT>(kCommandAnswered | 3);
}

HWND PlainWindow(WNDPROC procedure, const char* className) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                             nullptr);
}

TEST(CommandReplyWindow, LetsAnswersInFromLowerRightsAndTakesThemOnlyFromTheUtility) {
    g_calls.clear();
    CommandReplyWindow reply(RecordFilter);
    ASSERT_NE(reply.Handle(), nullptr);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].window, reply.Handle());
    EXPECT_EQ(g_calls[0].message, static_cast<UINT>(WM_COPYDATA));
    EXPECT_EQ(g_calls[0].action, static_cast<DWORD>(MSGFLT_ALLOW));

    const HWND utility = PlainWindow(UtilityProcedure, "DimoraTestUtility");
    g_stranger = PlainWindow(::DefWindowProcA, "DimoraTestStranger");
    int status = 0;
    std::string text, errors;
    EXPECT_EQ(reply.Send(utility, {"/list"}, 5000, status, text, errors), SendResult::Answered);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(text, "mine\n");
    ::DestroyWindow(utility);
    ::DestroyWindow(g_stranger);
}

} // namespace
