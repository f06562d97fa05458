#pragma once
// GDI objects and device contexts, each owned by exactly one C++ object.
#include <windows.h>

#include <string>

namespace fw {

// A font the object owns (or none). Move-only.
class CFont {
  public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(CFont&& other) noexcept : m_font(other.Detach()) {}
    CFont& operator=(CFont&& other) noexcept;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // pointSize10 is in tenths of a point, scaled for dc (the screen when null).
    bool CreatePointFont(int pointSize10, const std::string& face, HDC dc = nullptr);
    // lfHeight of the LOGFONT is in tenths of a point.
    bool CreatePointFontIndirect(const LOGFONT& logFont, HDC dc = nullptr);
    bool CreateFontIndirect(const LOGFONT& logFont);
    void DeleteObject();
    // Takes over a font handle (deleting the font held before); Detach gives it back.
    void Attach(HFONT font);
    HFONT Detach();
    HFONT GetSafeHandle() const { return m_font; }
    operator HFONT() const { return m_font; }

  private:
    HFONT m_font = nullptr;
};

// An icon the object owns (or none), loaded at one size. Move-only.
class CIcon {
  public:
    CIcon() = default;
    ~CIcon() { Destroy(); }
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;

    // The module's icon resource id at size x size pixels (the nearest image, scaled if none
    // fits).
    bool Load(UINT id, int size);
    void Destroy();
    HICON GetSafeHandle() const { return m_icon; }

  private:
    HICON m_icon = nullptr;
};

// Selects an object into a device context for the guard's lifetime.
class SelectObjectGuard {
  public:
    SelectObjectGuard(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectObjectGuard() {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// GetDC / ReleaseDC.
class ClientDC {
  public:
    explicit ClientDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~ClientDC() {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    operator HDC() const { return m_dc; }

  private:
    HWND m_hwnd;
    HDC m_dc;
};

// BeginPaint / EndPaint.
class PaintDC {
  public:
    explicit PaintDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::BeginPaint(hwnd, &m_ps)) {}
    ~PaintDC() { ::EndPaint(m_hwnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    operator HDC() const { return m_dc; }
    const PAINTSTRUCT& Info() const { return m_ps; }

  private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// A memory device context with a bitmap of its own selected, for drawing off screen and
// for reading pixels back in tests.
class MemoryBitmapDC {
  public:
    // compatibleWith null: compatible with the screen.
    MemoryBitmapDC(int width, int height, HDC compatibleWith = nullptr);
    ~MemoryBitmapDC();
    MemoryBitmapDC(const MemoryBitmapDC&) = delete;
    MemoryBitmapDC& operator=(const MemoryBitmapDC&) = delete;
    operator HDC() const { return m_dc; }
    bool IsValid() const { return m_dc && m_bitmap; }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }

  private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
};

// A solid brush.
class SolidBrush {
  public:
    explicit SolidBrush(COLORREF color) : m_brush(::CreateSolidBrush(color)) {}
    ~SolidBrush() {
        if (m_brush)
            ::DeleteObject(m_brush);
    }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;
    operator HBRUSH() const { return m_brush; }

  private:
    HBRUSH m_brush;
};

// Measures a text in the font currently selected into dc.
SIZE MeasureText(HDC dc, const std::string& text);

} // namespace fw
