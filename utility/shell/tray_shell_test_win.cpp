// The notification icon's shell side on the system Wine presents: the icon at the size the
// notification area shows, Explorer's restart message let through the message filter, and the
// balloon's record.
#include "utility/res/resource.h"
#include "utility/shell/tray_shell_win.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return SIZE{0, 0};
    ScopedBitmap colour(info.hbmColor);
    ScopedBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectA(colour ? colour.Get() : mask.Get(), sizeof bitmap, &bitmap);
    return SIZE{bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

TEST(TrayShell, IconsAreLoadedAtTheSmallIconSize) {
    for (UINT id : {IDR_MAINFRAME, IDI_GREY}) {
        ScopedIcon icon = LoadSmallIcon(::GetModuleHandleA(nullptr), id);
        ASSERT_TRUE(icon) << id;
        const SIZE size = IconSize(icon.Get());
        EXPECT_EQ(size.cx, ::GetSystemMetrics(SM_CXSMICON)) << id;
        EXPECT_EQ(size.cy, ::GetSystemMetrics(SM_CYSMICON)) << id;
    }
}

TEST(TrayShell, TaskbarCreatedPassesTheMessageFilter) {
    HWND window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
    EXPECT_TRUE(AllowTaskbarCreated(window, ::RegisterWindowMessageA("TaskbarCreated")));
    ::DestroyWindow(window);
}

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC.
class ShiftJis : public CodePage {
  public:
    bool IsLeadByte(unsigned char b) const override {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
};

TEST(TrayShell, BalloonRecordHasTheBuildsSizeAndWholeCharacters) {
    const ShiftJis sjis;
    BalloonRecord record;
    record.tip = "Visomat";
    record.title = "EyeCare";
    // 254 single bytes and a double-byte character: its lead byte would be the 255th.
    record.text = std::string(254, 'a') + "\x8E\x9A";
    const NOTIFYICONDATAA data = BalloonIconData(nullptr, nullptr, record, sjis);
    // The full record of Vista and later (with the balloon icon's handle): 508 bytes in a 32-bit
    // program, 528 in a 64-bit one.
    EXPECT_EQ(data.cbSize, sizeof(void*) == 4 ? 508u : 528u);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO));
    EXPECT_EQ(data.uCallbackMessage, WM_TRAY_NOTIFY);
    EXPECT_EQ(data.uTimeout, 10'000u);
    EXPECT_EQ(data.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
    EXPECT_STREQ(data.szInfoTitle, "EyeCare");
    EXPECT_STREQ(data.szTip, "Visomat");
    EXPECT_EQ(std::string(data.szInfo), std::string(254, 'a')) << "no half character";

    record.text = std::string(300, 'b');
    EXPECT_EQ(std::strlen(BalloonIconData(nullptr, nullptr, record, sjis).szInfo), 255u);
    record.text.clear();
    EXPECT_STREQ(BalloonIconData(nullptr, nullptr, record, sjis).szInfo, "")
        << "an empty text removes the balloon";
}

} // namespace
