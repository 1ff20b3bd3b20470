// Handle owners release exactly once: at scope end, on Reset, never after Release or a move.
#include "framework/handles_win.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

HFONT MakeFont() {
    LOGFONT font{};
    font.lfHeight = -12;
    return ::CreateFontIndirect(&font);
}

bool Exists(HGDIOBJ object) {
    return ::GetObjectType(object) != 0;
}

TEST(Handles, GdiObjectsAreDeletedOnceByTheirLastOwner) {
    HFONT raw = MakeFont();
    {
        ScopedFont first(raw);
        ScopedFont second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), raw);
        EXPECT_TRUE(Exists(raw));
    }
    EXPECT_FALSE(Exists(raw));

    HFONT replaced = MakeFont();
    HFONT kept = MakeFont();
    ScopedFont owner(replaced);
    owner.Reset(kept);
    EXPECT_FALSE(Exists(replaced));
    EXPECT_EQ(owner.Release(), kept);
    owner.Reset();
    EXPECT_TRUE(Exists(kept)) << "released handles are the caller's again";
    ::DeleteObject(kept);
}

TEST(Handles, SelectionIsUndoneBeforeTheObjectGoes) {
    ScopedCreatedDC dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    HGDIOBJ before = ::GetCurrentObject(dc.Get(), OBJ_FONT);
    ScopedFont font(MakeFont());
    {
        SelectObjectScope selected(dc.Get(), font.Get());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), before);
}

TEST(Handles, MenusAndKernelHandles) {
    HMENU raw = ::CreatePopupMenu();
    { ScopedMenu menu(raw); }
    EXPECT_FALSE(::IsMenu(raw));

    ScopedKernelHandle event(::CreateEvent(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    DWORD flags = 0;
    HANDLE raw_event = event.Get();
    EXPECT_TRUE(::GetHandleInformation(raw_event, &flags));
    event.Reset();
    EXPECT_FALSE(::GetHandleInformation(raw_event, &flags));
}

} // namespace
