// The command line's way between two processes of the program: the starting process hands a
// command to the running utility's main window in a WM_COPYDATA message; the utility sends the
// answer's text back to a message-only window of the starting process in another, and returns
// the exit status as the first message's result.
#pragma once

#include "framework/handles_win.h"
#include "utility/command/command_message.h"

#include <windows.h>

#include <string>
#include <vector>

// A window handle as the message carries it (its 32 significant bits), and back.
std::uint32_t WindowToWire(HWND window);
HWND WindowFromWire(std::uint32_t wire);

// The starting process's end: a message-only window that takes the answer's text.
class CommandReplyWindow {
  public:
    CommandReplyWindow();
    ~CommandReplyWindow();
    CommandReplyWindow(const CommandReplyWindow&) = delete;
    CommandReplyWindow& operator=(const CommandReplyWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Hands `words` to the utility's main window `utility` and waits for the answer: true with
    // the exit status and the text once the utility answered; false when the window went away
    // or did not take the command within `timeoutMs`.
    bool Send(HWND utility, const std::vector<std::string>& words, DWORD timeoutMs, int& status,
              std::string& text);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    HWND m_utility = nullptr; // the only window an answer is taken from
    std::string m_text;
};

// The utility's end: the command in a WM_COPYDATA message, if it is one.
bool ReadCommandRequest(const COPYDATASTRUCT& data, CommandMessage& message);
// Sends the answer's text to the starting process's reply window.
void SendCommandAnswer(HWND utility, const CommandMessage& message, const std::string& text);
