// The command line's way between two processes of the program: the starting process hands a
// command to the running utility's main window in a WM_COPYDATA message; the utility sends the
// answer's text back to a message-only window of the starting process in another, and returns
// the exit status as the first message's result. Any program of the session can send either
// message, so neither end trusts what it receives.
#pragma once

#include "framework/handles_win.h"
#include "framework/mingw_gaps_win.h"
#include "utility/command/command_message.h"

#include <string>
#include <vector>

// A window handle as the message carries it (its 32 significant bits), and back.
std::uint32_t WindowToWire(HWND window);
HWND WindowFromWire(std::uint32_t wire);

// The view of a WM_COPYDATA's lParam that the readers check before reading anything.
CopyDataView ViewOfCopyData(LPARAM lParam);

// The program is a DimoraDdcci.exe: the file name of process `id`'s image.
bool IsUtilityProcess(DWORD id);

// The call that lets a window take a message from processes of lower rights (user-interface
// isolation): ChangeWindowMessageFilterEx where the system has it (Windows 7 on), else null.
using MessageFilterCall = ChangeWindowMessageFilterExFn;
MessageFilterCall SystemMessageFilter();

enum class SendResult { Answered, Failed, Denied };

// The starting process's end: a message-only window that takes the answer's text. It lets
// WM_COPYDATA in from a utility of lower rights, so that an elevated prompt gets its answer.
class CommandReplyWindow {
  public:
    explicit CommandReplyWindow(MessageFilterCall allow = SystemMessageFilter());
    ~CommandReplyWindow();
    CommandReplyWindow(const CommandReplyWindow&) = delete;
    CommandReplyWindow& operator=(const CommandReplyWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Hands `words` to the utility's main window `utility` and waits for the answer: Answered
    // with the exit status and the text; Denied when user-interface isolation dropped the
    // request; Failed when the window went away or did not take it within `timeoutMs`.
    SendResult Send(HWND utility, const std::vector<std::string>& words, DWORD timeoutMs,
                    int& status, std::string& text, std::string& errors);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    HWND m_utility = nullptr; // the only window an answer is taken from, while Send waits
    std::string m_text;
    std::string m_errors;
};

// The utility's end: sends the answer's text to the reply window the request names, if that is
// a reply window of the request's sender (`sender`, the message's wParam); false when dropped.
bool SendCommandAnswer(HWND utility, HWND sender, const CommandMessage& message,
                       const std::string& text, const std::string& errors);
