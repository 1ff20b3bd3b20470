// The command line as scripts use it: DimoraDdcci.exe started with a command beside the
// simulated monitor DLLs, its output read from its standard output and its exit status, with
// the utility running (the command is carried out by it) and without (carried out alone).
#include "utility/pages/adjustment_record.h"
#include "utility/process_tests/testing/utility_process_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace utility_process;

const std::string kColorKey = std::string(kRootKey) + "\\Color";
const std::string kFilterKey = std::string(kRootKey) + "\\VSFilter";

struct Outcome {
    DWORD status = 0xDEAD;
    std::string text; // with the program's "\r\n" made "\n"
};

// Runs DimoraDdcci.exe with `args` and waits for it to end: a process that does not end within
// a minute answers STILL_ACTIVE as its status.
Outcome Command(const std::string& args) {
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

    Outcome out = Command("/mode movie /monitor 1-1");
    EXPECT_EQ(out.status, 0u);
    EXPECT_EQ(out.text, "1-1: mode 2 (Movie)\n");
    EXPECT_EQ(DumpedMode(dump, 0), 2);
    out = Command("/set brightness 64 /monitor all");
    EXPECT_EQ(out.text, "1-1: brightness 64 (raw:64 of 100)\n1-2: brightness 64 (raw:64 of 100)\n");
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 64);
    EXPECT_EQ(Dumped(dump, 1, "vcp 10"), 64);
    EXPECT_EQ(Dumped(dump, 1, "store"), 0) << "stored as the dialog's OK stores";
    EXPECT_EQ(Command("/get brightness").text, "1-1: brightness 64 (raw:64 of 100)\n");
    EXPECT_EQ(Command("/list").text, "1-1 model=EX-2451W serial=51000001 mode=2 (Movie) current\n"
                                     "1-2 model=EX-2780 serial=52000002 mode=2 (Movie)\n");

    out = Command("/set contrast 101");
    EXPECT_EQ(out.status, 3u) << out.text;
    EXPECT_EQ(Dumped(dump, 0, "vcp 12"), 50) << "a refused value changes nothing";

    out = Command("/restore Evening");
    EXPECT_EQ(out.text, "1-1: restored \"Evening\", mode 1 (Picture)\n");
    EXPECT_EQ(DumpedMode(dump, 0), 1);
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 30);

    out = Command("/filter 1 /transmittance 40");
    EXPECT_EQ(out.status, 0u) << out.text;
    EXPECT_EQ(VisibleOverlays(main).size(), 2u);
    EXPECT_EQ(Command("/filter off").text, "filter: off\n");
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
    EXPECT_EQ(Command("/list").text, "1-1 model=EX-2451W serial=51000001 mode=0 (Text) current\n"
                                     "1-2 model=EX-2780 serial=52000002 mode=2 (Movie)\n");
    Outcome out = Command("/mode 1 /monitor 1-2");
    EXPECT_EQ(out.status, 0u);
    EXPECT_EQ(out.text, "1-2: mode 1 (Picture)\n");
    EXPECT_EQ(DumpedMode(dump, 1), 1);
    out = Command("/restore evening /monitor all");
    EXPECT_EQ(out.status, 3u) << "the right monitor is of another model";
    EXPECT_EQ(out.text, "1-1: restored \"evening\", mode 1 (Picture)\n"
                        "1-2: \"evening\" is data of a EX-2451W, not of this monitor's model\n");
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 30);
    EXPECT_EQ(Command("/set volume 200").status, 3u);
    EXPECT_EQ(Command("/get gamma /monitor 9").status, 1u);
    EXPECT_EQ(Command("/mode").status, 2u);
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);

    out = Command("/filter 2");
    EXPECT_EQ(out.status, 0u) << out.text;
    EXPECT_NE(out.text.find("(stored: the utility shows it when it starts)"), std::string::npos);
    DWORD fileType = 0, size = sizeof fileType;
    ::RegGetValueA(HKEY_CURRENT_USER, kFilterKey.c_str(), "FileType", RRF_RT_REG_DWORD, nullptr,
                   &fileType, &size);
    EXPECT_EQ(fileType, 1u);

    EXPECT_TRUE(MainWindows().empty()) << "no window";
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
    const Outcome out = Command("/set brightness 40 /monitor 1-1");
    EXPECT_EQ(out.status, 0u) << out.text;
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 40);
    EXPECT_EQ(utility.Exit(), 0u);
    ::DeleteFileA(dump.c_str());
}

} // namespace
