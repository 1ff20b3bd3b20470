#include "tools/uidriver/soak_win.h"

#include "framework/handles_win.h"
#include "tools/uidriver/process_counters_win.h"
#include "tools/uidriver/soak_actions_win.h"
#include "tools/uidriver/soak_verdict.h"
#include "tools/uidriver/state_query_win.h"
#include "utility/res/resource.h"
#include "utility/settings/settings_keys.h"
#include "utility/ui/user_messages.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSampleEvery = 100;
// The sample at the start and the one after the first hundred actions: dialogs, pictures and
// caches are made the first time they are used.
constexpr std::size_t kWarmupSamples = 2;
constexpr DWORD kSettleMs = 1000;
constexpr DWORD kStartLimitMs = 120000;
constexpr DWORD kExitLimitMs = 20000;
constexpr char kOwnWindowClass[] = "DimoraSoakDriver";
constexpr char kAppWindowClass[] = "DimoraForegroundApp";
// Picture modes of the two registered applications and of every other one.
constexpr DWORD kAppMode = 2;
constexpr DWORD kOwnMode = 3;
constexpr DWORD kDefaultMode = 3;

void SetDword(const std::string& key, const char* name, DWORD value) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                     sizeof value);
    ::RegCloseKey(handle);
}

// Auto Veltone's name of an application: its executable's base name in upper case.
std::string Identifier(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    name = name.substr(0, name.rfind('.'));
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

void RegisterApplications(const char* appExe) {
    char driver[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, driver, MAX_PATH);
    const std::string vtone = kVtoneKey.data();
    SetDword(KeyPath(vtone, Identifier(appExe)), "Mode", kAppMode);
    SetDword(KeyPath(vtone, Identifier(driver)), "Mode", kOwnMode);
    SetDword(kRootKey, "DefMode", kDefaultMode);
    SetDword(kRootKey, "ModeChange", 1);
    SetDword(kRootKey, "MonIndepend", 0);
}

class Program {
  public:
    Program(const char* exe, const char* windowClass) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = std::string("\"") + exe + "\"";
        PROCESS_INFORMATION info{};
        if (!::CreateProcessA(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info))
            return;
        m_process.Reset(info.hProcess);
        ScopedKernelHandle thread(info.hThread);
        for (DWORD waited = 0; waited < kStartLimitMs && !m_window; waited += 20) {
            if (::WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0)
                return;
            m_window = FindTopWindow(windowClass, info.dwProcessId);
            if (m_window && std::string(windowClass) == DIMORA_MAIN_CLASS &&
                QueryState(m_window, kQueryReady) != 1)
                m_window = nullptr;
            if (!m_window)
                PumpFor(20);
        }
    }
    ~Program() {
        if (m_process && Running())
            ::TerminateProcess(m_process.Get(), 1);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Window() const { return m_window; }
    HANDLE Process() const { return m_process.Get(); }
    bool Running() const { return ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT; }

    // Ends the program with `message` to its window; false when it had to be terminated.
    bool End(UINT message, WPARAM wParam) {
        if (!m_process)
            return false;
        if (m_window)
            ::PostMessageA(m_window, message, wParam, 0);
        if (::WaitForSingleObject(m_process.Get(), kExitLimitMs) == WAIT_OBJECT_0)
            return true;
        ::TerminateProcess(m_process.Get(), 1);
        return false;
    }

  private:
    ScopedKernelHandle m_process;
    HWND m_window = nullptr;
};

// The driver's own application window, which takes its turn in front.
class OwnWindow {
  public:
    OwnWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kOwnWindowClass;
        ::RegisterClassA(&wc);
        m_window = ::CreateWindowExA(0, kOwnWindowClass, "soak", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     300, 300, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~OwnWindow() {
        if (m_window)
            ::DestroyWindow(m_window);
    }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    HWND Get() const { return m_window; }

  private:
    HWND m_window = nullptr;
};

struct Sample {
    std::size_t actions;
    double seconds;
    ProcessSample counters;
};

struct Column {
    const char* name;
    CounterReading ProcessSample::*reading;
    long long divisor; // bytes shown in KB
};
const Column kColumns[] = {
    {"GDI objects", &ProcessSample::gdiObjects, 1},
    {"USER objects", &ProcessSample::userObjects, 1},
    {"handles", &ProcessSample::handles, 1},
    {"private KB", &ProcessSample::privateBytes, 1024},
};

std::string Cell(const CounterReading& reading, long long divisor) {
    return reading.value < 0 ? "n/a" : std::to_string(reading.value / divisor);
}

void PrintTable(const std::vector<Sample>& samples) {
    std::printf("  actions   time s");
    for (const Column& column : kColumns)
        std::printf("  %12s", column.name);
    std::printf("\n");
    for (const Sample& sample : samples) {
        std::printf("  %7zu  %7.1f", sample.actions, sample.seconds);
        for (const Column& column : kColumns)
            std::printf("  %12s", Cell(sample.counters.*column.reading, column.divisor).c_str());
        std::printf("\n");
    }
    std::printf("where the figures come from:\n");
    for (const Column& column : kColumns)
        std::printf("  %-12s %s\n", column.name,
                    (samples.back().counters.*column.reading).source.c_str());
}

// One line per counter with its judgement; true when every counter met its goal.
bool PrintVerdict(const std::vector<Sample>& samples) {
    std::printf("goal: after the warm-up (the first %zu actions) no counter grows: its last sample "
                "at most %.0f %% over\n      its sample at %zu actions, and no rise at every "
                "sample since\n",
                kSampleEvery, kSoakGrowthLimitPercent, kSampleEvery);
    bool allMet = true;
    for (const Column& column : kColumns) {
        std::vector<double> values;
        bool available = true;
        for (const Sample& sample : samples) {
            const long long value = (sample.counters.*column.reading).value;
            available = available && value >= 0;
            values.push_back(static_cast<double>(value));
        }
        if (!available) {
            std::printf("  %-12s not available: not judged\n", column.name);
            allMet = false;
            continue;
        }
        const SoakJudgement judgement = JudgeSoakCounter(values, kWarmupSamples);
        if (judgement.outcome == SoakOutcome::TooFewSamples) {
            std::printf("  %-12s too few samples after the warm-up to judge (at least 300 "
                        "actions)\n",
                        column.name);
            allMet = false;
            continue;
        }
        const bool met = judgement.outcome == SoakOutcome::Met;
        allMet = allMet && met;
        std::printf("  %-12s %lld -> %lld (%+.2f %%), rose at %zu of %zu samples: %s\n",
                    column.name,
                    static_cast<long long>(values[kWarmupSamples - 1]) / column.divisor,
                    static_cast<long long>(values.back()) / column.divisor, judgement.growthPercent,
                    judgement.rises, judgement.steps, met ? "met" : "MISSED");
    }
    return allMet;
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int RunSoak(const char* utilityExe, const char* appExe, const char* description,
            std::size_t actions) {
    actions = (actions + kSampleEvery - 1) / kSampleEvery * kSampleEvery;
    RegisterApplications(appExe);
    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS", description);
    const OwnWindow own;
    Program app(appExe, kAppWindowClass);
    Program utility(utilityExe, DIMORA_MAIN_CLASS);
    if (!own.Get() || !app.Window() || !utility.Window()) {
        std::fprintf(stderr, "uidriver: a program did not start (is a utility running already?)\n");
        app.End(WM_CLOSE, 0);
        return 2;
    }
    const HWND main = utility.Window();
    std::printf("soak of the utility on the simulated monitors of %s: %zu actions, rounds of %zu,"
                " a sample every %zu\n",
                FileName(description).c_str(), actions, SoakActions::RoundLength(), kSampleEvery);
    std::fflush(stdout);

    SoakActions round(main, app.Window(), own.Get());
    std::vector<Sample> samples;
    const DWORD start = ::GetTickCount();
    auto takeSample = [&](std::size_t done) {
        PumpFor(kSettleMs);
        samples.push_back({done, (::GetTickCount() - start) / 1000.0,
                           ReadProcessCounters(utility.Process(), main)});
    };
    takeSample(0);
    std::size_t failed = 0;
    std::size_t done = 0;
    while (done < actions && utility.Running()) {
        const std::size_t action = done % SoakActions::RoundLength();
        if (!round.Run(action, done / SoakActions::RoundLength())) {
            if (failed++ < 10)
                std::fprintf(stderr, "uidriver: action %zu (%s) failed\n", done + 1,
                             SoakActions::Name(action));
        }
        ++done;
        if (done % kSampleEvery == 0 && utility.Running())
            takeSample(done);
    }
    const bool running = utility.Running();
    const bool ended = running && utility.End(WM_COMMAND, ID_TRAY_EXIT);
    app.End(WM_CLOSE, 0);

    PrintTable(samples);
    bool met = PrintVerdict(samples);
    if (!running) {
        std::printf("the utility ended by itself after %zu actions\n", done);
        met = false;
    } else if (!ended) {
        std::printf("the utility did not end through Exit\n");
        met = false;
    }
    if (failed) {
        std::printf("%zu of %zu actions did not do what they ask (see above)\n", failed, done);
        met = false;
    }
    std::printf("verdict: %s\n", met ? "met" : "MISSED");
    return met ? 0 : 1;
}
