// The utility's artwork: every picture in both languages, page backgrounds that cover their
// dialogs, the temperature pictures in full and reduced colour, the icons and the link cursor.
#include "utility/res/testing/resource_probe_win.h"
#include "utility/res/testing/resource_tables_win.h"

#include <gtest/gtest.h>

namespace {

using namespace resource_probe;
using namespace resource_tables;

TEST(UtilityArtwork, EveryPictureIsFoundInBothLanguages) {
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        for (int id : kAllBitmaps) {
            EXPECT_NE(ResourceData(RT_BITMAP, id, lang), nullptr) << "bitmap " << id;
            Bitmap b = LoadBitmapResource(id);
            EXPECT_NE(b.handle, nullptr) << "bitmap " << id;
            DeleteObject(b.handle);
        }
        for (int id : {IDR_MAINFRAME, IDI_GREY})
            EXPECT_NE(ResourceData(RT_GROUP_ICON, id, lang), nullptr) << "icon " << id;
        EXPECT_NE(ResourceData(RT_GROUP_CURSOR, IDC_LINK_HAND, lang), nullptr);
    }
}

TEST(UtilityArtwork, PageBackgroundsCoverTheirDialogsAtBothSizes) {
    const struct {
        int dialog, normal, large;
    } pairs[] = {
        {IDD_COLOR, IDB_PAGE_COLOR, IDB_PAGE_COLOR_LARGE},
        {IDD_COLOR_SUB, IDB_PAGE_COLOR_SUB, IDB_PAGE_COLOR_SUB_LARGE},
        {IDD_VTON, IDB_PAGE_VTON, IDB_PAGE_VTON_LARGE},
        {IDD_SOUND, IDB_PAGE_SOUND, IDB_PAGE_SOUND_LARGE},
        {IDD_EYECARE, IDB_PAGE_EYECARE, IDB_PAGE_EYECARE_LARGE},
        {IDD_VSFILTER, IDB_PAGE_VSFILTER, IDB_PAGE_VSFILTER_LARGE},
    };
    Window host = HostWindow();
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (const auto& p : pairs) {
        Bitmap normal = LoadBitmapResource(p.normal);
        Bitmap large = LoadBitmapResource(p.large);
        ASSERT_TRUE(normal.handle && large.handle) << p.normal;
        // Used unstretched as a tiled brush at 96 and 120 dpi: one tile must span the page.
        EXPECT_GE(large.info.bmHeight * 96, normal.info.bmHeight * 120) << p.large;
        for (WORD lang : kLanguages) {
            bool page = p.dialog == IDD_COLOR || p.dialog == IDD_VTON || p.dialog == IDD_SOUND;
            Window dialog = CreateDialogIn(p.dialog, lang, page ? host.get() : nullptr);
            RECT client;
            GetClientRect(dialog.get(), &client);
            EXPECT_GE(normal.info.bmHeight * dpi, client.bottom * 96)
                << "bitmap " << p.normal << " for " << LanguageName(lang);
        }
        DeleteObject(normal.handle);
        DeleteObject(large.handle);
    }
}

TEST(UtilityArtwork, TemperaturePicturesComeInFullAndReducedColour) {
    const int full[] = {IDB_TEMP_USER, IDB_TEMP_PRESET, IDB_TEMP_USER_OFF, IDB_TEMP_PRESET_OFF};
    const int reduced[] = {IDB_TEMP_USER_256, IDB_TEMP_PRESET_256, IDB_TEMP_USER_OFF_256,
                           IDB_TEMP_PRESET_OFF_256};
    Bitmap first = LoadBitmapResource(full[0]);
    for (int i = 0; i < 4; ++i) {
        Bitmap f = LoadBitmapResource(full[i]);
        Bitmap r = LoadBitmapResource(reduced[i]);
        EXPECT_GE(f.info.bmBitsPixel, 16) << full[i];
        EXPECT_LE(r.info.bmBitsPixel, 8) << reduced[i];
        EXPECT_EQ(f.info.bmWidth, first.info.bmWidth) << full[i];
        EXPECT_EQ(r.info.bmWidth, first.info.bmWidth) << reduced[i];
        EXPECT_EQ(r.info.bmHeight, first.info.bmHeight) << reduced[i];
        DeleteObject(f.handle);
        DeleteObject(r.handle);
    }
    DeleteObject(first.handle);
    // The pictures beside the sliders swap in place, so each pair has one size.
    const std::pair<int, int> swaps[] = {
        {IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF}, {IDB_CONTRAST, IDB_CONTRAST_OFF},
        {IDB_GAMMA, IDB_GAMMA_OFF},           {IDB_GAIN_RED, IDB_GAIN_OFF},
        {IDB_GAIN_GREEN, IDB_GAIN_OFF},       {IDB_GAIN_BLUE, IDB_GAIN_OFF}};
    for (auto [on, off] : swaps) {
        Bitmap a = LoadBitmapResource(on), b = LoadBitmapResource(off);
        EXPECT_EQ(a.info.bmWidth, b.info.bmWidth) << on;
        EXPECT_EQ(a.info.bmHeight, b.info.bmHeight) << on;
        DeleteObject(a.handle);
        DeleteObject(b.handle);
    }
}

TEST(UtilityArtwork, ProgramIconsAtEverySizeColouredAndGrey) {
    for (int size : {16, 32, 48}) {
        HICON colour = static_cast<HICON>(
            LoadImageA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        HICON grey = static_cast<HICON>(
            LoadImageA(Module(), MAKEINTRESOURCEA(IDI_GREY), IMAGE_ICON, size, size, 0));
        ASSERT_TRUE(colour && grey) << size;
        EXPECT_GT(Saturation(colour, size), 40) << "coloured icon at " << size;
        EXPECT_LE(Saturation(grey, size), 2) << "grey icon at " << size;
        DestroyIcon(colour);
        DestroyIcon(grey);
    }
}

TEST(UtilityArtwork, LinkCursorPointsFromItsFingerTip) {
    HCURSOR cursor = LoadCursorA(Module(), MAKEINTRESOURCEA(IDC_LINK_HAND));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    // The hot spot is the top of the finger: near the top edge, not the default centre.
    EXPECT_LT(info.yHotspot, 4u);
    EXPECT_LT(info.xHotspot, 16u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

} // namespace
