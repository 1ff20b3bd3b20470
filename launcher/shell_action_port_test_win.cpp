// The item actions' port through the real system calls, where its answer decides what the
// actions do next: a question that cannot be shown, a window that does not answer its close,
// and whether a file type opens.
#include "launcher/shell_action_port_win.h"

#include "framework/handles_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShellActionPortTest : public testing::Test {
  protected:
    std::wstring m_folder = L"C:\\";
    int m_selectionOpen = 0;
    int m_subOpen = 0;
    RegisteredApps m_registered;
    LaunchContext m_context{m_folder, m_selectionOpen, m_subOpen, m_registered};
};

// A message box that cannot be shown (its owner is gone) is no agreement: the pre-install
// question must not let the installation go ahead.
TEST_F(ShellActionPortTest, AMessageBoxThatCannotBeShownCountsAsCancel) {
    const HWND gone =
        ::CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    ::DestroyWindow(gone);
    ShellActionPort port(gone, m_context);
    for (const MessageButtons buttons :
         {MessageButtons::Ok, MessageButtons::OkCancel, MessageButtons::YesNo})
        EXPECT_EQ(port.ShowMessage(L"Go ahead?", buttons, MessageIcon::None),
                  MessageAnswer::Cancel);
}

// A window whose thread stops taking messages once it has made the window, as a hung
// program's does, until `release` is set.
struct HungWindow {
    HANDLE release;
    HANDLE made;
    HWND window;
};

DWORD WINAPI RunHungWindow(void* data) {
    auto& hung = *static_cast<HungWindow*>(data);
    hung.window = ::CreateWindowW(L"STATIC", L"Dimora hung test window", WS_POPUP, 0, 0, 1, 1,
                                  nullptr, nullptr, nullptr, nullptr);
    ::SetEvent(hung.made);
    ::WaitForSingleObject(hung.release, INFINITE);
    ::DestroyWindow(hung.window);
    return 0;
}

// The close step goes on when the window's thread does not answer, leaves the window be and
// says it stayed.
TEST_F(ShellActionPortTest, ClosingAHungWindowGoesOnAfterABoundedWait) {
    const ScopedKernelHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const ScopedKernelHandle made(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HungWindow hung{release.Get(), made.Get(), nullptr};
    const ScopedKernelHandle thread(::CreateThread(nullptr, 0, &RunHungWindow, &hung, 0, nullptr));
    ASSERT_TRUE(thread);
    ASSERT_EQ(::WaitForSingleObject(made.Get(), 10000), WAIT_OBJECT_0);
    ASSERT_NE(hung.window, nullptr);

    EXPECT_EQ(ShellActionPort(nullptr, m_context).CloseWindowTitled(L"Dimora hung test window"),
              CloseResult::NotClosed)
        << "reported";
    EXPECT_TRUE(::IsWindow(hung.window)) << "returned without the window's answer";
    EXPECT_EQ(ShellActionPort(nullptr, m_context).CloseWindowTitled(L"Dimora no such window"),
              CloseResult::NotFound);

    ::SetEvent(release.Get());
    ::WaitForSingleObject(thread.Get(), 10000);
}

// A type with an open command opens; a type nobody registered does not (the "Unknown" type's
// Open With command is no association).
TEST_F(ShellActionPortTest, AFileTypeOpensWhenItsAssociationNamesACommand) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, L"DimoraPortTest.Document\\shell\\open\\command",
                                0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t command[] = L"notepad.exe \"%1\"";
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                     sizeof command);
    ::RegCloseKey(key);
    ::RegSetKeyValueW(HKEY_CLASSES_ROOT, L".dmporttest", nullptr, REG_SZ,
                      L"DimoraPortTest.Document", sizeof L"DimoraPortTest.Document");

    ShellActionPort port(nullptr, m_context);
    EXPECT_TRUE(port.HasAssociation(L"D:\\Books\\a.dmporttest"));
    EXPECT_FALSE(port.HasAssociation(L"D:\\Books\\a.dmnobodys"));
    EXPECT_FALSE(port.HasAssociation(L"D:\\Books.dmporttest\\readme"))
        << "a dot in a folder's name is no file type";

    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".dmporttest");
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"DimoraPortTest.Document");
}

} // namespace
