#include "launcher/start_marks_win.h"

#include <cstdio>

namespace start_marks {
namespace {

constexpr int kCapacity = 64;
constexpr DWORD kPathCapacity = 520;
// A thread message of the marks' own, posted after each paint is taken from the queue: posted
// messages come before the next paint, so when it arrives the paint before it has been drawn.
constexpr UINT kPaintedMessage = WM_APP + 0x3A0;

struct Entry {
    const char* name;
    LONGLONG counter;
};

struct State {
    bool asked = false;
    bool enabled = false;
    wchar_t path[kPathCapacity] = {};
    Entry entries[kCapacity] = {};
    int count = 0;
    HHOOK hook = nullptr;
    UINT_PTR timer = 0;
    LONGLONG lastPaint = 0;
    bool done = false;
};

State g_state;

bool Enabled() {
    if (!g_state.asked) {
        g_state.asked = true;
        const DWORD length =
            ::GetEnvironmentVariableW(L"DIMORA_START_MARKS", g_state.path, kPathCapacity);
        g_state.enabled = length > 0 && length < kPathCapacity;
    }
    return g_state.enabled;
}

LONGLONG Now() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

long long Ticks(const FILETIME& time) {
    return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                  time.dwLowDateTime);
}

void Record(const char* name, LONGLONG counter) {
    if (g_state.count < kCapacity)
        g_state.entries[g_state.count++] = {name, counter};
}

// Written whole under another name and then renamed, so that a reader never sees half a file.
void Write() {
    wchar_t part[kPathCapacity + 8] = {};
    ::lstrcpynW(part, g_state.path, kPathCapacity);
    ::lstrcatW(part, L".part");
    FILE* file = ::_wfopen(part, L"w");
    if (!file)
        return;
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    std::fprintf(file, "frequency %lld\n", static_cast<long long>(frequency.QuadPart));
    for (int i = 0; i < g_state.count; ++i)
        std::fprintf(file, "%s %lld\n", g_state.entries[i].name,
                     static_cast<long long>(g_state.entries[i].counter));
    // The processor time spent until now (100 ns units, user and kernel): unlike the counter it
    // hardly moves when other programs keep the machine busy.
    FILETIME created{}, ended{}, kernel{}, user{};
    if (::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user))
        std::fprintf(file, "cpu %lld\n", static_cast<long long>(Ticks(kernel) + Ticks(user)));
    const bool written = std::fclose(file) == 0;
    if (written)
        ::MoveFileExW(part, g_state.path, MOVEFILE_REPLACE_EXISTING);
}

void Finish() {
    g_state.done = true;
    Record("visible", g_state.lastPaint ? g_state.lastPaint : Now());
    ::KillTimer(nullptr, g_state.timer);
    ::UnhookWindowsHookEx(g_state.hook);
    g_state.hook = nullptr;
    Write();
}

// Sees every message the thread takes from its queue. The timer's message comes only when no
// window of the thread has anything left to paint.
LRESULT CALLBACK WatchMessages(int code, WPARAM removal, LPARAM data) {
    if (code == HC_ACTION && removal == PM_REMOVE && !g_state.done) {
        MSG& message = *reinterpret_cast<MSG*>(data);
        if (message.message == WM_PAINT) {
            ::PostThreadMessageW(::GetCurrentThreadId(), kPaintedMessage, 0, 0);
        } else if (message.message == kPaintedMessage && !message.hwnd) {
            g_state.lastPaint = Now();
            message.message = WM_NULL;
        } else if (message.message == WM_TIMER && !message.hwnd &&
                   message.wParam == g_state.timer) {
            message.message = WM_NULL;
            Finish();
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, data);
}

} // namespace

void Mark(const char* name) {
    if (Enabled() && !g_state.done)
        Record(name, Now());
}

void WindowShown() {
    if (!Enabled() || g_state.done || g_state.hook)
        return;
    Record("shown", Now());
    g_state.hook =
        ::SetWindowsHookExW(WH_GETMESSAGE, WatchMessages, nullptr, ::GetCurrentThreadId());
    g_state.timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, nullptr);
    if (!g_state.hook || !g_state.timer)
        Finish();
}

} // namespace start_marks
