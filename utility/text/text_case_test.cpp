// Case folding and file names in the system code page, with code page 932 names whose second
// bytes look like letters or a backslash.
#include "utility/text/executable_name.h"
#include "utility/text/printable_text.h"
#include "utility/text/testing/code_pages.h"
#include "utility/text/text_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const SingleByteCodePage kWestern;
const JapaneseCodePage kJapanese;

// In code page 932: "ツール" is 83 63 81 5B 83 8B (0x63 is "c"), "ソ" is 83 5C (0x5C is the
// backslash), "ア" is 83 41 ("A") and "ヂ" is 83 61 ("a").
#define TSUURU "\x83\x63\x81\x5B\x83\x8B"
#define SO "\x83\x5C"

TEST(TextCase, ExecutableBaseNamesKeepDoubleByteCharactersWhole) {
    const struct {
        const char* exeFile;
        const CodePage& codePage;
        const char* base;
    } cases[] = {
        {"C:\\Windows\\notepad.exe", kWestern, "NOTEPAD"},
        {"Player.EXE", kJapanese, "PLAYER"},
        {"C:\\Tools\\" TSUURU ".exe", kJapanese, TSUURU},
        {"C:\\Tools\\" TSUURU "x.exe", kJapanese, TSUURU "X"},
        {"C:\\" SO "\\app.exe", kJapanese, "APP"},
        {"C:\\Tools\\" SO ".exe", kJapanese, SO},
        {"C:\\Tools\\" SO ".exe", kWestern, ""}, // a backslash in a one-byte code page
        {"noextension", kWestern, "NOEXTENSION"},
        {"C:\\a.b\\tool", kWestern, "TOOL"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExecutableBaseName(c.exeFile, c.codePage), c.base) << c.exeFile;
}

TEST(TextCase, EqualIgnoringCaseFoldsOnlyOneByteLetters) {
    const struct {
        const char* a;
        const char* b;
        const CodePage& codePage;
        bool equal;
    } cases[] = {
        {"Office", "OFFICE", kWestern, true},       {"Office", "Offices", kWestern, false},
        {"\x83\x41", "\x83\x61", kJapanese, false}, // "ア" is not "ヂ"
        {"\x83\x41", "\x83\x61", kWestern, true},   // two one-byte characters each
        {TSUURU "a", TSUURU "A", kJapanese, true},  {"", "", kJapanese, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EqualIgnoringCase(c.a, c.b, c.codePage), c.equal) << c.a << " / " << c.b;
}

TEST(TextCase, MonitorTextsPrintOnOneLineWithQuotesEscaped) {
    const struct {
        std::string from;
        std::string printed;
    } cases[] = {
        {"EX-2451W", "EX-2451W"},
        {"  41234567 ", "  41234567 "},
        {std::string("A\nB\r\t\0C", 7), "A?B???C"},
        {"\x7F\x80\xFF~", "???~"},
        {"12\"3", "12\\\"3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintableText(c.from), c.printed) << c.from;
}

} // namespace
