// Owners of Win32 handles and GDI objects: each closes what it holds exactly once, when it goes
// out of scope, and can be moved but not copied.
#pragma once

#include "framework/mingw_gaps_win.h"

#include <utility>

namespace handles_detail {
template <typename T> void DeleteGdi(T object) {
    ::DeleteObject(object);
}
inline void DestroyMenuHandle(HMENU menu) {
    ::DestroyMenu(menu);
}
inline void DestroyIconHandle(HICON icon) {
    ::DestroyIcon(icon);
}
inline void DestroyCursorHandle(HCURSOR cursor) {
    ::DestroyCursor(cursor);
}
inline void CloseKernelHandle(HANDLE handle) {
    ::CloseHandle(handle);
}
inline void FreeLibraryHandle(HMODULE module) {
    ::FreeLibrary(module);
}
inline void DeleteDcHandle(HDC dc) {
    ::DeleteDC(dc);
}
} // namespace handles_detail

// A handle of type T that `Close` releases. A null handle is never released.
template <typename T, void (*Close)(T)> class ScopedHandle {
  public:
    ScopedHandle() = default;
    explicit ScopedHandle(T handle) : m_handle(handle) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : m_handle(other.Release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    T Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != T{}; }
    // Gives up ownership without releasing.
    T Release() { return std::exchange(m_handle, T{}); }
    // Releases the held handle and takes `handle`.
    void Reset(T handle = T{}) {
        T old = std::exchange(m_handle, handle);
        if (old != T{})
            Close(old);
    }

  private:
    T m_handle{};
};

using ScopedFont = ScopedHandle<HFONT, handles_detail::DeleteGdi<HFONT>>;
using ScopedBrush = ScopedHandle<HBRUSH, handles_detail::DeleteGdi<HBRUSH>>;
using ScopedBitmap = ScopedHandle<HBITMAP, handles_detail::DeleteGdi<HBITMAP>>;
using ScopedPen = ScopedHandle<HPEN, handles_detail::DeleteGdi<HPEN>>;
using ScopedRegion = ScopedHandle<HRGN, handles_detail::DeleteGdi<HRGN>>;
using ScopedMenu = ScopedHandle<HMENU, handles_detail::DestroyMenuHandle>;
// Only for icons and cursors the program made or loaded unshared: shared ones (LoadIcon,
// LoadCursor, LR_SHARED) belong to the system and are never destroyed.
using ScopedIcon = ScopedHandle<HICON, handles_detail::DestroyIconHandle>;
using ScopedCursor = ScopedHandle<HCURSOR, handles_detail::DestroyCursorHandle>;
using ScopedKernelHandle = ScopedHandle<HANDLE, handles_detail::CloseKernelHandle>;
using ScopedLibrary = ScopedHandle<HMODULE, handles_detail::FreeLibraryHandle>;
// Device contexts made by CreateDC or CreateCompatibleDC.
using ScopedCreatedDC = ScopedHandle<HDC, handles_detail::DeleteDcHandle>;

// The device context of a window's client area (GetDC), released with ReleaseDC.
class ClientDC {
  public:
    explicit ClientDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
    ~ClientDC() {
        if (m_dc)
            ::ReleaseDC(m_window, m_dc);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

  private:
    HWND m_window;
    HDC m_dc;
};

// The painting context of WM_PAINT (BeginPaint), ended with EndPaint.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : m_window(window) { m_dc = ::BeginPaint(window, &m_paint); }
    ~PaintDC() { ::EndPaint(m_window, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

  private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

// Selects a GDI object into a device context and selects the previous one back at scope end, so
// the object can be deleted afterwards.
class SelectObjectScope {
  public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~SelectObjectScope() {
        if (m_previous && m_previous != HGDI_ERROR)
            ::SelectObject(m_dc, m_previous);
    }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
