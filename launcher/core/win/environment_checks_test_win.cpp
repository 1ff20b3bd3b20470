// The environment checks against the system Wine presents.
#include "launcher/core/win/windows_version_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace {

using namespace os_mask;

constexpr OsMask kAll64BitBits =
    kWindowsXp64 | kWindowsVista64 | kWindowsServer2003_64 | kWindowsServer2008_64 | kWindows7_64;

std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length) + L"\\" + name;
}

std::wstring OwnExecutable() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

TEST(EnvironmentChecks, ReadsAnNtSystemWithTheExtendedRecord) {
    EXPECT_TRUE(IsWindowsNT());
    const std::optional<WindowsVersionFacts> facts = ReadWindowsVersionFacts();
    ASSERT_TRUE(facts.has_value());
    EXPECT_TRUE(facts->extended);
    EXPECT_GE(facts->major, 5u);
    EXPECT_NE(facts->productType, 0u);
}

// A 64-bit program only runs on 64-bit Windows; a 32-bit one (the shipped build) learns the
// same through WOW64.
TEST(EnvironmentChecks, ReportsTheNativeBitness) {
    const BitnessFacts facts = ReadBitnessFacts();
    EXPECT_TRUE(facts.nativeSystemInfo);
    EXPECT_EQ(GetOsBitness(), Bitness::Bits64);
    if constexpr (sizeof(void*) == 4) {
        EXPECT_TRUE(facts.wow64);
    }
}

TEST(EnvironmentChecks, CurrentMaskIsOneSixtyFourBitSystemOrNone) {
    const OsMask mask = GetCurrentOsMask();
    EXPECT_LE(std::popcount(mask), 1);
    EXPECT_EQ(mask & ~kAll64BitBits, 0u);
    const std::optional<WindowsFamily> family = ClassifyWindowsVersion();
    ASSERT_TRUE(family.has_value());
    EXPECT_EQ(mask != 0, *family != WindowsFamily::None);
}

TEST(EnvironmentChecks, FileVersionComesFromTheVersionResource) {
    EXPECT_NE(GetFileVersionMS(SystemFile(L"kernel32.dll")), 0u);
    // MinGW links no version resource into the test program.
    EXPECT_EQ(GetFileVersionMS(OwnExecutable()), 0u);
    EXPECT_EQ(GetFileVersionMS(SystemFile(L"no-such-file.dll")), 0u);
}

} // namespace
