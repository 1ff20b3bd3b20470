// The filter picture decoded with GDI+ (BMP, JPEG, GIF, TIFF, PNG) into a bitmap the overlays
// tile, and the GDI+ session that decoding needs, started once per process.
#pragma once

#include "framework/handles_win.h"
#include "utility/monitor/overlay_window.h"

#include <memory>
#include <string>

class FilterBitmap : public FilterImage {
  public:
    explicit FilterBitmap(ScopedBitmap bitmap);
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    HBITMAP Bitmap() const { return m_bitmap.Get(); }

  private:
    ScopedBitmap m_bitmap;
    int m_width = 0;
    int m_height = 0;
};

// The process's GDI+ session: GdiplusStartup when the first picture is decoded (so that a run
// that never shows a picture never loads GDI+), GdiplusShutdown with the object. The
// application object holds the one session; the program has one UI thread and decodes on it.
class GdiplusSession {
  public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    // Starts GDI+ on the session that exists now, once; false without a session or when GDI+
    // would not start.
    static bool StartCurrent();
    bool Started() const { return m_token != 0; }

  private:
    ULONG_PTR m_token = 0;
    bool m_tried = false;
};

// The picture file at `path` (a path in the system code page); null when GDI+ cannot read or
// decode it, or no session can start it.
std::unique_ptr<FilterBitmap> LoadFilterBitmap(const std::string& path);
