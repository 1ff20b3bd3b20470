// The EyeCare Filter as a user meets it in the real DimoraDdcci.exe, with the default pictures
// installed in the all-users data folder: a default picture chosen, adjusted and stored, and
// shown again at the next start; Cancel putting back the applied filter; a default picture
// that cannot be read; a display change while the file dialog or a warning is open. Each
// dialog and box it opens is counted among the program's open loops.
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace utility_process;

const std::string kFilterKey = std::string(kRootKey) + "\\VSFilter";
const char* const kPictures[] = {"DefFilter.xml", "amber.png",  "paper.jpg",
                                 "rose.bmp",      "forest.gif", "slate.tif"};

std::string DataFolder() {
    char folder[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Orvane\\Visomat (DDCCI)\\";
}

// The data folder as an installation leaves it.
void InstallData() {
    const std::string folder = DataFolder();
    ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    for (const char* name : kPictures) {
        const std::string source = std::string(DIMORA_DATA_DIR) + "\\" + name;
        ::CopyFileA(source.c_str(), (folder + name).c_str(), FALSE);
    }
}

std::vector<HWND> Overlays(HWND main) {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, "DimoraOverlay", nullptr)) != nullptr) {
        if (::GetWindow(window, GW_OWNER) == main)
            found.push_back(window);
    }
    return found;
}

// Every overlay visible with opacity `alpha`, or every overlay hidden (alpha -1).
void ExpectOverlays(HWND main, int alpha) {
    const auto overlays = Overlays(main);
    ASSERT_EQ(overlays.size(), 2u);
    for (HWND overlay : overlays) {
        EXPECT_EQ(::IsWindowVisible(overlay) != FALSE, alpha >= 0);
        BYTE shown = 0;
        ::GetLayeredWindowAttributes(overlay, nullptr, &shown, nullptr);
        EXPECT_EQ(shown, alpha < 0 ? 0 : alpha);
    }
}

// The filter's luminance reached the gamma objects and, where the display answers gamma calls
// (Xvfb does not), the display itself.
void ExpectLuminance(Utility& utility, int luminance) {
    EXPECT_EQ(utility.Query(kQueryFilterLuminance), luminance);
    const LRESULT rampStart = utility.Query(kQueryGammaRampStart);
    if (rampStart != -1) {
        EXPECT_EQ(rampStart, luminance < 0 ? 0 : luminance);
    }
}

DWORD StoredNumber(const char* name, const std::string& key = kFilterKey) {
    DWORD value = 0xDEAD;
    DWORD size = sizeof value;
    ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, nullptr, &value, &size);
    return value;
}

std::string StoredText(const char* name) {
    char text[300] = {};
    DWORD size = sizeof text;
    ::RegGetValueA(HKEY_CURRENT_USER, kFilterKey.c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                   &size);
    return text;
}

void Choose(HWND dialog, int line) {
    const HWND list = ::GetDlgItem(dialog, IDC_FILTER_IMAGE);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_IMAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
}

void Slide(HWND dialog, int id, int position) {
    const HWND slider = ::GetDlgItem(dialog, id);
    ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                   reinterpret_cast<LPARAM>(slider));
}

HWND OpenFilterDialog(HWND main) {
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_FILTER, 0);
    return DialogWith(main, IDC_FILTER_IMAGE);
}

// Posted: the box or dialog it opens holds the filter dialog's handler until it ends.
void PostChoice(HWND dialog, int line) {
    ::SendDlgItemMessageA(dialog, IDC_FILTER_IMAGE, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_IMAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_FILTER_IMAGE)));
}

void PostBrowse(HWND dialog) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_BROWSE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_FILTER_BROWSE)));
}

// A message box's text.
constexpr int kBoxText = 0xFFFF;

// A dialog of the utility with control `id` other than `dialog`, once it shows.
HWND OtherDialogWith(HWND main, HWND dialog, int id) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    for (int i = 0; i < 200; ++i) {
        for (HWND window = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
             window = ::FindWindowExA(nullptr, window, "#32770", nullptr)) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == pid && window != dialog && ::IsWindowVisible(window) &&
                ::GetDlgItem(window, id))
                return window;
        }
        Pump(50);
    }
    return nullptr;
}

// The open-file dialog over `dialog` takes `path` and OK.
void ChooseFile(HWND main, HWND dialog, const std::string& path) {
    const HWND files = OtherDialogWith(main, dialog, IDOK);
    ASSERT_NE(files, nullptr);
    HWND name = ::GetDlgItem(files, cmb13);
    if (!name)
        name = ::GetDlgItem(files, edt1);
    ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ::PostMessageA(files, WM_COMMAND, IDOK, 0);
    WaitGone(files);
}

// Makes a default picture a file that is no picture.
void Break(const char* picture) {
    if (FILE* file = std::fopen((DataFolder() + picture).c_str(), "wb")) {
        std::fputs("not a picture", file);
        std::fclose(file);
    }
}

// The display change as Windows broadcasts it, the main window first: its overlays are gone
// before the filter dialog hears of it.
void ChangeDisplays(HWND main, HWND dialog) {
    for (HWND window : {main, dialog})
        ::SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1000));
}

class FilterProcess : public testing::Test {
  protected:
    void SetUp() override {
        InstallData();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kFilterKey.c_str());
    }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kFilterKey.c_str());
        InstallData();
    }
};

TEST_F(FilterProcess, ADefaultPictureChosenAdjustedStoredAndShownAtTheNextStart) {
    {
        Utility utility("dual.txt");
        const HWND main = utility.Main();
        ASSERT_NE(main, nullptr);
        const HWND dialog = OpenFilterDialog(main);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(utility.Query(kQueryModalLoops), 1) << "the dialog";
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_FILTER_IMAGE, CB_GETCOUNT, 0, 0), 7)
            << "None, five pictures, Select File";
        ExpectOverlays(main, -1);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_FILTER_ALPHA_SLIDER)));

        Choose(dialog, 1); // amber.png: opacity 64, luminance -10
        ExpectOverlays(main, 64);
        EXPECT_EQ(TextOf(::GetDlgItem(dialog, IDC_FILTER_ALPHA_VALUE)), "25");
        EXPECT_EQ(TextOf(::GetDlgItem(dialog, IDC_FILTER_LUM_VALUE)), "-10");
        Slide(dialog, IDC_FILTER_ALPHA_SLIDER, 40);
        Slide(dialog, IDC_FILTER_LUM_SLIDER, 130);
        ExpectOverlays(main, 102);
        ExpectLuminance(utility, 30);

        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        WaitGone(dialog);
        EXPECT_EQ(utility.Query(kQueryModalLoops), 0);
        EXPECT_EQ(StoredNumber("On") & 0xFF, 1u);
        EXPECT_EQ(StoredNumber("FileType"), 1u);
        EXPECT_EQ(StoredText("FilePath"), DataFolder() + "amber.png");
        EXPECT_EQ(StoredNumber("Alpha"), 102u);
        EXPECT_EQ(StoredNumber("Luminance"), 30u);
        EXPECT_EQ(StoredNumber("ModAlpha", kFilterKey + "\\amber.png"), 102u);
        EXPECT_EQ(StoredNumber("DefAlpha", kFilterKey + "\\slate.tif"), 90u);
        EXPECT_EQ(utility.Exit(), 0u);
    }
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    ExpectOverlays(main, 102);
    ExpectLuminance(utility, 30);
    EXPECT_EQ(utility.Exit(), 0u);
}

TEST_F(FilterProcess, CancelPutsBackTheAppliedFilterAndAnUnreadablePictureGivesNone) {
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    HWND dialog = OpenFilterDialog(main);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, 2); // paper.jpg, 77
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    WaitGone(dialog);
    ExpectOverlays(main, 77);

    dialog = OpenFilterDialog(main);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_FILTER_IMAGE, CB_GETCURSEL, 0, 0), 2);
    Choose(dialog, 5); // slate.tif, 90
    ExpectOverlays(main, 90);
    Choose(dialog, 0);
    ExpectOverlays(main, -1);
    EXPECT_EQ(utility.Query(kQueryFilterLuminance), -1000) << "the displays' own ramps back";
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitGone(dialog);
    ExpectOverlays(main, 77);
    ExpectLuminance(utility, 0);
    EXPECT_EQ(StoredText("FilePath"), DataFolder() + "paper.jpg") << "Cancel stores nothing";

    // A picture that is no picture: a warning, and the list goes back to "None".
    Break("forest.gif");
    dialog = OpenFilterDialog(main);
    ASSERT_NE(dialog, nullptr);
    PostChoice(dialog, 4);
    const HWND warning = OtherDialogWith(main, dialog, kBoxText);
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(warning, kBoxText)), "Failed to import Image4.");
    EXPECT_EQ(utility.Query(kQueryModalLoops), 2) << "the warning over the dialog";
    ::PostMessageA(warning, WM_COMMAND, IDOK, 0);
    WaitGone(warning);
    EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_FILTER_IMAGE, CB_GETCURSEL, 0, 0), 0);
    ExpectOverlays(main, -1);
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitGone(dialog);
    ExpectOverlays(main, 77);
    EXPECT_EQ(utility.Exit(), 0u);
}

// The display change ends the dialog once the file dialog (which it cancels) or the warning
// (which waits for its answer) is done, and the displays get their own ramps back although the
// overlays went first.
TEST_F(FilterProcess, ADisplayChangeWhileTheFileDialogOrAWarningIsOpenEndsTheDialogAfterIt) {
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    const LRESULT rescans = utility.Query(kQueryRescans);
    HWND dialog = OpenFilterDialog(main);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, 6); // Select File
    PostBrowse(dialog);
    ChooseFile(main, dialog, DataFolder() + "rose.bmp");
    // Answered once the handler that opened the file dialog is done.
    EXPECT_EQ(utility.Query(kQueryModalLoops), 1);
    ExpectOverlays(main, 64);
    Slide(dialog, IDC_FILTER_LUM_SLIDER, 130);
    ExpectLuminance(utility, 30);
    PostBrowse(dialog);
    const HWND files = OtherDialogWith(main, dialog, IDOK);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(utility.Query(kQueryModalLoops), 2) << "the file dialog over the dialog";
    ChangeDisplays(main, dialog);
    WaitGone(dialog);
    EXPECT_FALSE(::IsWindow(files));
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(utility.Query(kQueryFilterLuminance), -1000) << "the displays' own ramps";
    // The rescan waited for the dialog and made the overlays again.
    EXPECT_EQ(utility.QueryUntil(kQueryRescans, rescans + 1), rescans + 1);

    Break("forest.gif");
    dialog = OpenFilterDialog(main);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, 1);
    Slide(dialog, IDC_FILTER_LUM_SLIDER, 130);
    ExpectLuminance(utility, 30);
    PostChoice(dialog, 4);
    const HWND warning = OtherDialogWith(main, dialog, kBoxText);
    ASSERT_NE(warning, nullptr);
    ChangeDisplays(main, dialog);
    EXPECT_EQ(utility.Query(kQueryModalLoops), 2) << "the warning waits for its answer";
    EXPECT_TRUE(::IsWindow(dialog)) << "and the dialog for the warning";
    ::PostMessageA(warning, WM_COMMAND, IDOK, 0);
    WaitGone(dialog);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(utility.Query(kQueryFilterLuminance), -1000);
    EXPECT_EQ(utility.Query(kQueryModalLoops), 0);
    EXPECT_EQ(StoredNumber("FileType"), 0xDEADu) << "nothing stored";
    EXPECT_EQ(utility.Exit(), 0u);
}

} // namespace
