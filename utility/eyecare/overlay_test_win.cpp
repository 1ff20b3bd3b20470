// The overlay window and the filter picture on the system Wine presents.
#include "utility/eyecare/filter_bitmap_win.h"
#include "utility/eyecare/trans_wnd_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// The overlay's client area as it draws itself, read back a pixel at a time.
class Drawn {
  public:
    explicit Drawn(HWND window) : m_dc(::CreateCompatibleDC(nullptr)) {
        const HDC screen = ::GetDC(nullptr);
        m_bitmap = ::CreateCompatibleBitmap(screen, 100, 100);
        ::ReleaseDC(nullptr, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
        RECT all{0, 0, 100, 100};
        ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
    }
    ~Drawn() {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

  private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// A 3 x 2 pixel, 24-bit bottom-up BMP file.
std::string WriteSmallBitmap() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "dimora_overlay_test.bmp";
    const int width = 3, height = 2, stride = 12; // rows padded to 4 bytes
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    const unsigned char pixels[stride * height] = {0x20, 0x40, 0x60};
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels, sizeof pixels, 1, out);
    std::fclose(out);
    return path;
}

TEST(Overlay, LayeredClickThroughWindowStartsHiddenAndTakesItsOpacity) {
    CTransWnd overlay;
    ASSERT_TRUE(overlay.Create(nullptr, RECT{10, 20, 330, 260}));
    const HWND window = overlay.GetSafeHwnd();
    EXPECT_EQ(overlay.GetExStyle() & 0x000800A8u, 0x000800A8u);
    EXPECT_EQ(overlay.GetStyle() & WS_POPUP, static_cast<DWORD>(WS_POPUP));
    EXPECT_FALSE(::IsWindowVisible(window));
    char title[64] = {};
    ::GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "transparent window");
    const RECT rect = overlay.GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, 320);

    overlay.SetAlpha(77);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 77);
    EXPECT_TRUE(flags & LWA_ALPHA);
    overlay.Show(true);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_NE(::GetForegroundWindow(), window) << "shown without taking the focus";
    overlay.SetPicture(nullptr);
    EXPECT_EQ(Drawn(window).At(50, 50), RGB(0, 0, 0)) << "black without a picture";
    overlay.Show(false);
    EXPECT_FALSE(::IsWindowVisible(window));
}

TEST(Overlay, PicturesDecodeWithGdiplusAndUnreadableFilesGiveNone) {
    const std::string path = WriteSmallBitmap();
    EXPECT_EQ(LoadFilterBitmap(path), nullptr) << "no session, no GDI+";
    GdiplusSession gdiplus;
    EXPECT_FALSE(gdiplus.Started()) << "GDI+ starts with the first picture";
    const auto picture = LoadFilterBitmap(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(gdiplus.Started());
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(picture->Height(), 2);
    EXPECT_EQ(LoadFilterBitmap(path + ".missing"), nullptr);
    ::DeleteFileA(path.c_str());

    CTransWnd overlay;
    ASSERT_TRUE(overlay.Create(nullptr, RECT{0, 0, 100, 100}));
    overlay.SetPicture(picture.get());
    overlay.Show(true);
    // Tiled 34 x 51 times: the picture's top left pixel (its last row in the file) at each
    // tile's top left, and its first (blue 20, green 40, red 60) below it.
    const Drawn drawn(overlay.GetSafeHwnd());
    for (const POINT tile : {POINT{0, 0}, POINT{3, 0}, POINT{96, 98}})
        EXPECT_EQ(drawn.At(tile.x, tile.y + 1), RGB(0x60, 0x40, 0x20)) << tile.x << "," << tile.y;
    EXPECT_EQ(drawn.At(0, 0), RGB(0, 0, 0)) << "the picture's top row is black";
}

} // namespace
