#include "utility/eyecare/filter_bitmap_win.h"

#include <algorithm>
// The GDI+ headers use min and max unqualified; the program keeps the macros off (NOMINMAX).
using std::max;
using std::min;
#include <gdiplus.h>

#include <vector>

namespace {

namespace gdip = Gdiplus::DllExports;

std::wstring Wide(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}

constexpr Gdiplus::ARGB kOpaqueBlack = 0xFF000000;

// The session that exists now (at most one: the program's, or a test's).
GdiplusSession* g_session = nullptr;

} // namespace

FilterBitmap::FilterBitmap(ScopedBitmap bitmap) : m_bitmap(std::move(bitmap)) {
    BITMAP info{};
    if (m_bitmap && ::GetObjectA(m_bitmap.Get(), sizeof info, &info)) {
        m_width = info.bmWidth;
        m_height = info.bmHeight;
    }
}

GdiplusSession::GdiplusSession() {
    g_session = this;
}

GdiplusSession::~GdiplusSession() {
    if (m_token)
        Gdiplus::GdiplusShutdown(m_token);
    if (g_session == this)
        g_session = nullptr;
}

bool GdiplusSession::StartCurrent() {
    if (!g_session)
        return false;
    if (!g_session->m_tried) {
        g_session->m_tried = true;
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&g_session->m_token, &input, nullptr) != Gdiplus::Ok)
            g_session->m_token = 0;
    }
    return g_session->m_token != 0;
}

std::unique_ptr<FilterBitmap> LoadFilterBitmap(const std::string& path) {
    const std::wstring widePath = Wide(path);
    if (widePath.empty() || !GdiplusSession::StartCurrent())
        return nullptr;
    Gdiplus::GpBitmap* image = nullptr;
    if (gdip::GdipCreateBitmapFromFile(widePath.c_str(), &image) != Gdiplus::Ok || !image)
        return nullptr;
    HBITMAP bitmap = nullptr;
    const bool converted =
        gdip::GdipCreateHBITMAPFromBitmap(image, &bitmap, kOpaqueBlack) == Gdiplus::Ok;
    gdip::GdipDisposeImage(image);
    if (!converted || !bitmap)
        return nullptr;
    return std::make_unique<FilterBitmap>(ScopedBitmap(bitmap));
}
