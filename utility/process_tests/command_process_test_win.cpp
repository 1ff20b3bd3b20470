// The command line as scripts use it: DimoraDdcci.exe started with a command beside the
// simulated monitor DLLs, its output read from its standard output and its exit status, with
// the utility running (the command is carried out by it) and without (carried out alone).
#include "utility/pages/adjustment_record.h"
#include "utility/process_tests/testing/utility_process_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

using namespace utility_process;

const std::string kColorKey = std::string(kRootKey) + "\\Color";
const std::string kFilterKey = std::string(kRootKey) + "\\VSFilter";

struct Outcome {
    DWORD status = 0xDEAD;
    std::string text; // with the program's "\r\n" made "\n"
};

// Runs DimoraDdcci.exe with `args`, waits for it to end and checks that it ends with `status`: a
// process that does not end within a minute answers STILL_ACTIVE as its status.
Outcome Command(const std::string& args, DWORD status) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    Outcome outcome;
    if (!::CreatePipe(&read, &write, &inherit, 1 << 16))
        return outcome;
    ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    std::string line = std::string("\"") + kExe + "\" " + args;
    PROCESS_INFORMATION process{};
    const bool started = ::CreateProcessA(kExe, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::CloseHandle(write);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (::ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
            outcome.text.append(buffer, got);
        ::WaitForSingleObject(process.hProcess, 60000);
        ::GetExitCodeProcess(process.hProcess, &outcome.status);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    ::CloseHandle(read);
    for (std::size_t at; (at = outcome.text.find("\r\n")) != std::string::npos;)
        outcome.text.erase(at, 1);
    EXPECT_EQ(outcome.status, status) << args << ": " << outcome.text;
    return outcome;
}

// Named adjustment data of the left monitor's model: Picture mode, brightness 30 of 100.
void StoreEvening() {
    AdjustmentRecord record;
    record.modelName = "EX-2451W";
    record.mode = 1;
    record.brightness = {30, 100, 1};
    const auto bytes = EncodeAdjustmentRecord(record);
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kColorKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr);
    ::RegSetValueExA(key, "Evening", 0, REG_BINARY, bytes.data(), bytes.size());
    ::RegCloseKey(key);
}

std::vector<HWND> VisibleOverlays(HWND main) {
    std::vector<HWND> shown;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, "DimoraOverlay", nullptr)) != nullptr) {
        BYTE alpha = 0;
        ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
        if (::GetWindow(window, GW_OWNER) == main && ::IsWindowVisible(window) && alpha == 102)
            shown.push_back(window);
    }
    return shown;
}

class CommandProcess : public testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kColorKey.c_str());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kFilterKey.c_str());
    }
};

TEST_F(CommandProcess, TheRunningUtilityCarriesOutCommandsAndAnswers) {
    StoreEvening();
    const std::string dump = DumpPath("command");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dual.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);

    Outcome out = Command("/mode movie /monitor 1-1", 0);
    EXPECT_EQ(out.status, 0u);
    EXPECT_EQ(out.text, "1-1: mode 2 (Movie)\n");
    EXPECT_EQ(DumpedMode(dump, 0), 2);
    out = Command("/set brightness 64 /monitor all", 0);
    EXPECT_EQ(out.text, "1-1: brightness 64 (raw:64 of 100)\n1-2: brightness 64 (raw:64 of 100)\n");
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 64);
    EXPECT_EQ(Dumped(dump, 1, "vcp 10"), 64);
    EXPECT_EQ(Dumped(dump, 1, "store"), 0) << "stored as the dialog's OK stores";
    EXPECT_EQ(Command("/get brightness", 0).text, "1-1: brightness 64 (raw:64 of 100)\n");
    EXPECT_EQ(Command("/list", 0).text,
              "1-1 model=EX-2451W serial=51000001 mode=2 (Movie) current\n"
              "1-2 model=EX-2780 serial=52000002 mode=2 (Movie)\n");

    out = Command("/set contrast 101", 3);
    EXPECT_EQ(out.status, 3u) << out.text;
    EXPECT_EQ(Dumped(dump, 0, "vcp 12"), 50) << "a refused value changes nothing";

    out = Command("/restore Evening", 0);
    EXPECT_EQ(out.text, "1-1: restored \"Evening\", mode 1 (Picture)\n");
    EXPECT_EQ(DumpedMode(dump, 0), 1);
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 30);

    out = Command("/filter 1 /transmittance 40", 0);
    EXPECT_EQ(out.status, 0u) << out.text;
    EXPECT_EQ(VisibleOverlays(main).size(), 2u);
    EXPECT_EQ(Command("/filter off", 0).text, "filter: off\n");
    EXPECT_TRUE(VisibleOverlays(main).empty());

    EXPECT_EQ(MainWindows().size(), 1u) << "no second utility";
    EXPECT_EQ(utility.Exit(), 0u);
    ::DeleteFileA(dump.c_str());
}

TEST_F(CommandProcess, WithoutTheUtilityCommandsRunAloneAndLeaveNothingBehind) {
    StoreEvening();
    const std::string dump = DumpPath("command_alone");
    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS", Monitors("dual.txt").c_str());
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    EXPECT_EQ(Command("/list", 0).text, "1-1 model=EX-2451W serial=51000001 mode=0 (Text) current\n"
                                        "1-2 model=EX-2780 serial=52000002 mode=2 (Movie)\n");
    Outcome out = Command("/mode 1 /monitor 1-2", 0);
    EXPECT_EQ(out.status, 0u);
    EXPECT_EQ(out.text, "1-2: mode 1 (Picture)\n");
    EXPECT_EQ(DumpedMode(dump, 1), 1);
    out = Command("/restore evening /monitor all", 3);
    EXPECT_EQ(out.status, 3u) << "the right monitor is of another model";
    EXPECT_EQ(out.text, "1-1: restored \"evening\", mode 1 (Picture)\n"
                        "1-2: \"evening\" is data of a EX-2451W, not of this monitor's model\n");
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 30);
    EXPECT_EQ(Command("/set volume 200", 3).status, 3u);
    EXPECT_EQ(Command("/get gamma /monitor 9", 1).status, 1u);
    EXPECT_EQ(Command("/mode", 2).status, 2u);
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);

    out = Command("/filter 2", 0);
    EXPECT_EQ(out.status, 0u) << out.text;
    EXPECT_NE(out.text.find("(stored: the utility shows it when it starts)"), std::string::npos);
    DWORD fileType = 0, size = sizeof fileType;
    ::RegGetValueA(HKEY_CURRENT_USER, kFilterKey.c_str(), "FileType", RRF_RT_REG_DWORD, nullptr,
                   &fileType, &size);
    EXPECT_EQ(fileType, 1u);

    EXPECT_TRUE(MainWindows().empty()) << "no window";
    ::DeleteFileA(dump.c_str());
}

// A Run value is run as it is: an unquoted path with blanks, which the C runtime splits at the
// blanks. The program still starts the utility.
TEST_F(CommandProcess, StartedByAnUnquotedPathWithBlanksTheUtilityRuns) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "Dimora Run (x86)";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string source(DIMORA_SIMRUN_DIR);
    for (const char* file : {"DimoraDdcci.exe", "dxva2.dll", "libpanq.dll"})
        ASSERT_TRUE(
            ::CopyFileA((source + "\\" + file).c_str(), (folder + "\\" + file).c_str(), FALSE))
            << file;
    const std::string exe = folder + "\\DimoraDdcci.exe";
    {
        Utility utility("dual.txt", exe, exe);
        ASSERT_TRUE(utility.started());
        EXPECT_NE(utility.Main(), nullptr) << "the main window exists";
        EXPECT_EQ(utility.Exit(), 0u);
    }
    for (const char* file : {"DimoraDdcci.exe", "dxva2.dll", "libpanq.dll"})
        ::DeleteFileA((folder + "\\" + file).c_str());
    ::RemoveDirectoryA(folder.c_str());
}

// A request as any program of the session can hand it over: version 1, the reply window, then
// each word ended by a zero byte.
std::vector<char> Request(HWND reply, const std::vector<std::string>& words) {
    const auto wire = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(reply));
    std::vector<char> bytes{1};
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>(wire >> shift));
    for (const std::string& word : words)
        bytes.insert(bytes.end(), word.c_str(), word.c_str() + word.size() + 1);
    return bytes;
}

constexpr ULONG_PTR kRequestTag = 0x44434D31;
constexpr LRESULT kNotAnswered = -1;

// Sends WM_COPYDATA as `sender` with `data` (null for an lParam of 0); the result, or
// kNotAnswered when the window did not answer within `ms`.
LRESULT SendCopyData(HWND main, HWND sender, const COPYDATASTRUCT* data, DWORD ms) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(main, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                               reinterpret_cast<LPARAM>(data), SMTO_NORMAL, ms, &result))
        return kNotAnswered;
    return static_cast<LRESULT>(result);
}

// Reply windows of the client's class in this process: one that takes the answer, and one on a
// thread of its own that holds every message sent to it for 30 s (or until the test ends).
HANDLE g_release = nullptr;
std::string g_answer;

LRESULT CALLBACK ReplyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (::GetWindowLongPtrA(window, GWLP_USERDATA)) {
            ::WaitForSingleObject(g_release, 30000);
            return FALSE;
        }
        g_answer.assign(static_cast<const char*>(data.lpData), data.cbData);
        return TRUE;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND ReplyWindow(bool blocking) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ReplyProcedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "DimoraCommandReply";
    ::RegisterClassA(&wc);
    const HWND window = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                          nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, blocking);
    return window;
}

TEST_F(CommandProcess, HostileRequestsAreRefusedAndTheNextCommandIsAnsweredAtOnce) {
    const std::string dump = DumpPath("command_hostile");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dual.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    const int mode = DumpedMode(dump, 0);

    g_release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND blocking = nullptr;
    HANDLE created = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        blocking = ReplyWindow(true);
        ::SetEvent(created);
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageA(&msg);
    });
    ::WaitForSingleObject(created, 10000);
    const HWND reply = ReplyWindow(false);

    const std::vector<std::string> movie{"/mode", "movie"};
    std::vector<char> unterminated = Request(reply, movie);
    unterminated.back() = 'x';
    const std::vector<char> tooMany = Request(reply, std::vector<std::string>(33, "/list"));
    const std::vector<char> oversize(64 * 1024, 1);
    const std::vector<char> ordinary = Request(reply, movie);
    const std::vector<char> toBroadcast = Request(HWND_BROADCAST, {"/list"});
    const std::vector<char> toAnother = Request(main, {"/list"});
    const std::vector<char> toBlocking = Request(blocking, {"/list"});
    auto copy = [](ULONG_PTR tag, const std::vector<char>& bytes, DWORD size) {
        return COPYDATASTRUCT{tag, size, const_cast<char*>(bytes.data())};
    };
    const struct {
        const char* name;
        COPYDATASTRUCT data;
        bool null;
        HWND sender;
        bool answered;
    } cases[] = {
        {"lParam 0", {}, true, reply, false},
        {"wrong dwData", copy(7, ordinary, ordinary.size()), false, reply, false},
        {"cbData 0", copy(kRequestTag, ordinary, 0), false, reply, false},
        {"oversize", copy(kRequestTag, oversize, oversize.size()), false, reply, false},
        {"unterminated", copy(kRequestTag, unterminated, unterminated.size()), false, reply, false},
        {"too many words", copy(kRequestTag, tooMany, tooMany.size()), false, reply, false},
        {"reply window HWND_BROADCAST", copy(kRequestTag, toBroadcast, toBroadcast.size()), false,
         reply, true},
        {"reply window of another process", copy(kRequestTag, toAnother, toAnother.size()), false,
         reply, true},
        {"reply window that blocks", copy(kRequestTag, toBlocking, toBlocking.size()), false,
         blocking, true},
    };
    const std::vector<char> list = Request(reply, {"/list"});
    COPYDATASTRUCT next = copy(kRequestTag, list, list.size());
    for (const auto& c : cases) {
        const LRESULT result = SendCopyData(main, c.sender, c.null ? nullptr : &c.data, 10000);
        EXPECT_EQ(result != kNotAnswered && (result & 0x100) != 0, c.answered) << c.name;
        g_answer.clear();
        EXPECT_EQ(SendCopyData(main, reply, &next, 3000), 0x100) << "after " << c.name;
        EXPECT_EQ(g_answer.substr(0, 4), "1-1 ") << "after " << c.name;
    }
    EXPECT_EQ(DumpedMode(dump, 0), mode) << "nothing changed on the monitors";

    ::SetEvent(g_release);
    ::PostMessageA(blocking, WM_QUIT, 0, 0);
    ::PostThreadMessageA(::GetWindowThreadProcessId(blocking, nullptr), WM_QUIT, 0, 0);
    holder.join();
    ::DestroyWindow(reply);
    ::CloseHandle(created);
    ::CloseHandle(g_release);
    EXPECT_EQ(utility.Exit(), 0u);
    ::DeleteFileA(dump.c_str());
}

// A maker monitor behind a dock that passes the EDID but not DDC/CI: every call on it waits for the
// driver's time-out (3.5 s, slept inside the simulated DLL). It costs one time-out before the
// icon, and the healthy monitor beside it answers commands.
TEST_F(CommandProcess, ADeadMonitorCostsOneTimeOutAndTheHealthyOneStillAnswers) {
    const auto iconAfter = [](const char* monitors) {
        Utility utility(monitors);
        const HWND main = utility.Main();
        const LRESULT ms = main ? utility.Query(kQueryIconAfterMs) : -1;
        if (main)
            utility.Exit();
        return ms;
    };
    const LRESULT alone = iconAfter("single.txt");
    ASSERT_GE(alone, 0);
    const std::string dump = DumpPath("command_dead");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dead.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    ASSERT_NE(utility.Main(), nullptr);
    const LRESULT withDead = utility.Query(kQueryIconAfterMs);
    EXPECT_LE(withDead, alone + 5000) << "alone " << alone << " ms";
    EXPECT_EQ(utility.Query(kQueryMonitorCount), 1);
    const Outcome out = Command("/set brightness 40 /monitor 1-1", 0);
    EXPECT_EQ(out.status, 0u) << out.text;
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 40);
    EXPECT_EQ(utility.Exit(), 0u);
    ::DeleteFileA(dump.c_str());
}

TEST_F(CommandProcess, ACommandDuringTheDeleteQuestionIsBusyAndOkDeletesTheChosenData) {
    StoreEvening();
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    utility.ShowSettings();
    Press({VK_CONTROL, VK_TAB});
    ASSERT_EQ(utility.QueryUntil(kQueryCurrentPage, 1), 1);
    const HWND page = ::GetParent(VisibleControl(main, IDC_COLOR_DELETE));
    ASSERT_NE(page, nullptr);
    const HWND name = ::GetDlgItem(page, IDC_COLOR_DATA_NAME);
    ::SendMessageA(name, CB_SETCURSEL, 0, 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOR_DATA_NAME, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(name));
    ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOR_DELETE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_COLOR_DELETE)));
    const HWND question = DialogWith(main, IDCANCEL);
    ASSERT_NE(question, nullptr);

    const Outcome out = Command("/mode movie", 4);
    EXPECT_EQ(out.status, 4u) << out.text;
    EXPECT_NE(out.text.find("busy"), std::string::npos) << out.text;
    ::PostMessageA(question, WM_COMMAND, IDOK, 0);
    WaitGone(question);
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kColorKey.c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_NE(::RegQueryValueExA(key, "Evening", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS)
        << "the confirmed data is deleted";
    ::RegCloseKey(key);
    EXPECT_EQ(utility.Exit(), 0u);
}

} // namespace
