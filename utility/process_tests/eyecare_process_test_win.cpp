// The EyeCare reminder as a user meets it in the real DimoraDdcci.exe: the EyeCare dialog from
// the notification menu saving what was chosen, and a reminder that falls due showing its
// balloon at the notification icon until its time is up.
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace utility_process;

const std::string kEyeCareKey = std::string(kRootKey) + "\\EyeCare";
const std::string kReminderKey = kEyeCareKey + "\\Reminder";

void ForgetReminder() {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kReminderKey.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kEyeCareKey.c_str());
}

void SetValue(const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &handle, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(handle);
}

void SetText(const std::string& key, const char* name, const std::string& text) {
    SetValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// The stored value's bytes (a text without its zero), "<missing>" when there is none.
std::string Stored(const std::string& key, const char* name, DWORD* type = nullptr) {
    char data[512] = {};
    DWORD size = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, type, data,
                       &size) != ERROR_SUCCESS)
        return "<missing>";
    std::string bytes(data, size);
    if (!bytes.empty() && bytes.back() == '\0')
        bytes.pop_back();
    return bytes;
}

class EyeCareProcess : public testing::Test {
  protected:
    void SetUp() override { ForgetReminder(); }
    void TearDown() override { ForgetReminder(); }
};

TEST_F(EyeCareProcess, EyeCareDialogStoresTheChosenMonitorIntervalAndMessage) {
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_EYECARE, 0);
    const HWND dialog = DialogWith(main, IDC_EYECARE_POPUP);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(utility.Query(kQueryModalLoops), 1) << "the dialog";
    const HWND monitors = ::GetDlgItem(dialog, IDC_EYECARE_MONITOR);
    const HWND hours = ::GetDlgItem(dialog, IDC_EYECARE_HOURS);
    EXPECT_EQ(::SendMessageA(monitors, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageA(monitors, CB_GETCURSEL, 0, 0), 0) << "the dialog's own display";
    EXPECT_EQ(TextOf(hours), "1");
    EXPECT_FALSE(::IsWindowEnabled(hours)) << "nothing stored: the reminder is off";

    ::SendMessageA(::GetDlgItem(dialog, IDC_EYECARE_POPUP), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsWindowEnabled(hours));
    ::SendMessageA(monitors, CB_SETCURSEL, 1, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EYECARE_MONITOR, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(monitors));
    ::SendMessageA(hours, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("30"));
    EXPECT_EQ(TextOf(hours), "24") << "above 24 becomes 24 at once";

    // The message: a paste of 300 bytes keeps 255, OK hands the new text back.
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EYECARE_EDIT_MSG, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_EYECARE_EDIT_MSG)));
    const HWND editor = DialogWith(main, IDC_EDITMSG_CAPTION);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(utility.Query(kQueryModalLoops), 2) << "the editor over the dialog";
    const HWND text = ::GetDlgItem(editor, IDC_EDITMSG_TEXT);
    EXPECT_EQ(TextOf(text), "Won't you have a break to rest your eyes?");
    const std::string pasted(300, 'z');
    ::SendMessageA(text, EM_SETSEL, 0, -1);
    ::SendMessageA(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_EQ(TextOf(text), std::string(255, 'z'));
    ::SendMessageA(text, EM_SETSEL, 0, -1);
    ::SendMessageA(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Time for a walk"));
    ::PostMessageA(editor, WM_COMMAND, IDOK, 0);
    WaitGone(editor);

    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0); // "Close"
    WaitGone(dialog);
    EXPECT_EQ(utility.Query(kQueryModalLoops), 0);
    DWORD type = 0;
    EXPECT_EQ(Stored(kEyeCareKey, "Display Name"), "\\\\.\\DISPLAY1");
    EXPECT_EQ(Stored(kEyeCareKey, "Model Name", &type), "EX-2780");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Stored(kEyeCareKey, "Serial Num"), "52000002");
    EXPECT_EQ(Stored(kReminderKey, "On", &type), std::string(1, '\x01'));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(Stored(kReminderKey, "Hour"), std::string(1, '\x18'));
    EXPECT_EQ(Stored(kReminderKey, "Message"), "Time for a walk");
    EXPECT_EQ(utility.Exit(), 0u);
}

TEST_F(EyeCareProcess, ADisplayChangeEndsBothDialogsWithoutSaving) {
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    for (UINT ending : {WM_CLOSE_FOR_RESCAN, static_cast<UINT>(WM_DISPLAYCHANGE)}) {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_EYECARE, 0);
        const HWND dialog = DialogWith(main, IDC_EYECARE_POPUP);
        ASSERT_NE(dialog, nullptr);
        ::SendMessageA(::GetDlgItem(dialog, IDC_EYECARE_POPUP), BM_CLICK, 0, 0); // would save
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EYECARE_EDIT_MSG, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_EYECARE_EDIT_MSG)));
        const HWND editor = DialogWith(main, IDC_EDITMSG_CAPTION);
        ASSERT_NE(editor, nullptr);
        // As the main window asks them after a monitor change: the inner dialog first.
        ::SendMessageA(editor, ending, 0, 0);
        ::SendMessageA(dialog, ending, 0, 0);
        WaitGone(editor);
        WaitGone(dialog);
        EXPECT_FALSE(::IsWindow(dialog)) << ending;
        EXPECT_EQ(utility.Query(kQueryModalLoops), 0) << ending;
        EXPECT_EQ(Stored(kEyeCareKey, "Model Name"), "<missing>") << ending;
    }
    EXPECT_EQ(utility.Exit(), 0u);
}

// The balloon the notification area shows, visible, of any process.
HWND VisibleBalloon() {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); window;
         window = ::FindWindowExA(nullptr, window, TOOLTIPS_CLASSA, nullptr)) {
        if (::IsWindowVisible(window) && (::GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON))
            return window;
    }
    return nullptr;
}

bool BalloonShownWithin(DWORD ms, bool shown) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if ((VisibleBalloon() != nullptr) == shown)
            return true;
        Pump(50);
    }
    return false;
}

TEST_F(EyeCareProcess, AReminderFallingDueShowsItsBalloonUntilItsTimeIsUp) {
    SetText(kEyeCareKey, "Model Name", "EX-2451W");
    SetText(kEyeCareKey, "Serial Num", "51000001");
    const BYTE on = 1, hour = 1;
    SetValue(kReminderKey, "On", REG_BINARY, &on, 1);
    SetValue(kReminderKey, "Hour", REG_BINARY, &hour, 1);
    SetText(kReminderKey, "Message", "Rest your eyes");
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(BalloonShownWithin(1000, false));
    // The hour is up: the reminder's timer fires now instead of in an hour.
    ::PostMessageA(main, WM_TIMER, TIMER_REMINDER, 0);
    EXPECT_TRUE(BalloonShownWithin(10000, true));
    // Its ten seconds are up.
    ::PostMessageA(main, WM_TIMER, TIMER_BALLOON_HIDE, 0);
    EXPECT_TRUE(BalloonShownWithin(10000, false));
    EXPECT_EQ(utility.Exit(), 0u);
}

} // namespace
