// The notification icon's shell side on the system Wine presents: the icon at the size the
// notification area shows, and Explorer's restart message let through the message filter.
#include "utility/res/resource.h"
#include "utility/shell/tray_shell_win.h"

#include <gtest/gtest.h>

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

} // namespace
