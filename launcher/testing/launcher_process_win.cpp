#include "launcher/testing/launcher_process_win.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::string DiskFolder() {
    return LAUNCHER_DISK_DIR;
}

std::string TestDisk(const char* name) {
    return std::string(LAUNCHER_TEST_DISKS_DIR "/") + name;
}

void Pump(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (static_cast<LONG>(::GetTickCount() - end) < 0) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(20);
    }
}

std::wstring Text(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return text;
}

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)),
                      static_cast<WORD>(static_cast<SHORT>(y)));
}

BOOL CALLBACK Launcher::FindDialog(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<DialogSearch*>(search);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (pid == wanted->processId && std::string(name) == "#32770" && ::IsWindowVisible(window) &&
        Text(window) == *wanted->caption) {
        wanted->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND Launcher::WaitDialog(const std::wstring& caption) {
    DialogSearch search{m_process.dwProcessId, &caption, nullptr};
    for (int i = 0; i < 400 && !search.found; ++i) {
        ::EnumWindows(&Launcher::FindDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Pump(50);
    }
    if (search.found)
        Pump(200);
    return search.found;
}

void Launcher::ClickItem(HWND page, int index) {
    const HWND link = ::GetDlgItem(page, 1012 + index);
    RECT rect{};
    ::GetWindowRect(link, &rect);
    ::SetCursorPos(rect.left + 2, (rect.top + rect.bottom) / 2);
    Pump(100);
    ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(1012 + index, STN_CLICKED),
                   reinterpret_cast<LPARAM>(link));
    Pump(200);
}

std::wstring MessageText(HWND box) {
    // The message box's text is the static control 0xFFFF.
    return Text(::GetDlgItem(box, 0xFFFF));
}

void PressButton(HWND dialog, int button) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    Pump(300);
}

StartRecord::StartRecord() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    m_path = std::string(folder) + "launcher_start_record.txt";
    std::remove(m_path.c_str());
    ::SetEnvironmentVariableA("LAUNCHER_TEST_RECORD", m_path.c_str());
}

StartRecord::~StartRecord() {
    ::SetEnvironmentVariableA("LAUNCHER_TEST_RECORD", nullptr);
    std::remove(m_path.c_str());
}

std::wstring StartRecord::Contents() const {
    std::ifstream file(m_path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string utf8 = bytes.str();
    if (utf8.empty())
        return {};
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                          length);
    return text;
}

std::wstring StartRecord::WaitFor(const std::wstring& part) const {
    for (int i = 0; i < 400; ++i) {
        std::wistringstream lines(Contents());
        std::wstring line;
        while (std::getline(lines, line)) {
            if (line.find(part) != std::wstring::npos)
                return line;
        }
        Pump(50);
    }
    return {};
}
