// A message box or modal dialog runs a message loop of its own: while it is open, timers,
// posted messages and posted commands are dispatched, and the code that opened it waits on the
// stack for the answer. Each of the program's message boxes and modal dialogs runs inside a
// ModalLoop, which counts it in ShellState for as long as it runs. Work that would reshape or
// free what the waiting code holds (the monitor rescan, the Auto Veltone page's list changes,
// Exit) waits until no loop runs; the rescan and Exit ask every open loop to end, so that they
// wait only for loops that will end.
#pragma once

#include "utility/ui/shell_state.h"

class ModalLoop {
  public:
    explicit ModalLoop(ShellState& shell) : m_shell(shell) { ++m_shell.m_modalLoops; }
    ~ModalLoop() { --m_shell.m_modalLoops; }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

  private:
    ShellState& m_shell;
};

// Runs `dialog` (a message box or a modal dialog) inside a ModalLoop and answers its result.
template <typename Dialog> auto RunModal(ShellState& shell, Dialog&& dialog) {
    ModalLoop loop(shell);
    return dialog();
}
