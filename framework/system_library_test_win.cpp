// A system library loads from the system folder even with a DLL of the same name planted beside
// the program. The build puts a probe named avrt.dll beside this test, where the ordinary search
// finds it first. (Wine loads its own copy of most libraries, msi.dll and uxtheme.dll among them,
// whatever lies beside a program; avrt.dll is one it lets a program's folder replace, as Windows
// does for any name.)
#include "framework/system_library_win.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace {

constexpr const wchar_t* kPlanted = L"avrt.dll";
constexpr const char* kProbeMarker = "DimoraPlantedProbe";

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(module, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// The folder of `path` with its trailing backslash, in lower case.
std::wstring FolderOf(const std::wstring& path) {
    return Lower(path.substr(0, path.rfind(L'\\') + 1));
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    return Lower(std::wstring(folder, length) + L"\\");
}

TEST(SystemLibrary, LoadsFromTheSystemFolderNotBesideTheProgram) {
    const std::wstring ownFolder = FolderOf(ModulePath(nullptr));
    ASSERT_NE(::GetFileAttributesW((ownFolder + kPlanted).c_str()), INVALID_FILE_ATTRIBUTES)
        << "the planted probe lies beside the test";
    {
        // What a plain load by name does here: it takes the planted file.
        ScopedLibrary planted(::LoadLibraryW(kPlanted));
        ASSERT_TRUE(planted);
        ASSERT_NE(::GetProcAddress(planted.Get(), kProbeMarker), nullptr);
    }

    const ScopedLibrary system = LoadSystemLibrary(kPlanted);
    ASSERT_TRUE(system);
    EXPECT_EQ(::GetProcAddress(system.Get(), kProbeMarker), nullptr);
    EXPECT_EQ(FolderOf(ModulePath(system.Get())), SystemFolder());

    const ScopedLibrary msi = LoadSystemLibrary(L"msi.dll");
    ASSERT_TRUE(msi);
    EXPECT_NE(::GetProcAddress(msi.Get(), "MsiGetProductInfoW"), nullptr);

    const ScopedLibrary theme = LoadSystemLibrary(L"uxtheme.dll");
    ASSERT_TRUE(theme);
    EXPECT_NE(::GetProcAddress(theme.Get(), "SetWindowTheme"), nullptr);
    EXPECT_FALSE(LoadSystemLibrary(L"no-such-library.dll"));
}

} // namespace
