// The counts the soak reads through the state query follow what the process creates and frees.
#include "framework/own_objects_win.h"

#include "framework/handles_win.h"

#include <gtest/gtest.h>

namespace {

TEST(OwnObjects, CountWhatTheProcessCreatesAndFrees) {
    // While a thread has windows, the system keeps one of its own for it (Wine's IME window).
    HWND first = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                   nullptr);
    const unsigned long gdiBefore = OwnGdiObjects();
    const unsigned long userBefore = OwnUserObjects();
    {
        ScopedBrush brushes[] = {ScopedBrush(::CreateSolidBrush(RGB(1, 2, 3))),
                                 ScopedBrush(::CreateSolidBrush(RGB(4, 5, 6))),
                                 ScopedBrush(::CreateSolidBrush(RGB(7, 8, 9)))};
        ScopedMenu menu(::CreatePopupMenu());
        HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr);
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
        HWND messageOnly = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             nullptr, nullptr);
        EXPECT_EQ(OwnGdiObjects(), gdiBefore + 3) << "three brushes";
        EXPECT_EQ(OwnUserObjects(), userBefore + 4)
            << "a menu, a window with its child and a message-only window";
        ::DestroyWindow(messageOnly);
        ::DestroyWindow(parent);
    }
    EXPECT_EQ(OwnGdiObjects(), gdiBefore);
    EXPECT_EQ(OwnUserObjects(), userBefore);
    ::DestroyWindow(first);
}

} // namespace
