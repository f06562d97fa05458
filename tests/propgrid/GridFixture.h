#pragma once
// A property grid in a visible host window, driven by the messages a person's mouse produces,
// and a picture of what it paints.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "controls/propgrid/PropertyGrid.h"
#include "framework/Wnd.h"
#include "support/WindowDriver.h"

inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace gridtest {

// Without a dialog parent a row is 13 pixels high.
constexpr int kRowHeight = 13;
// Rows start 3 pixels down; a row counts as shown when its bottom lies above the client's.
constexpr int kFirstRowTop = 3;
// A client height that shows exactly `rows` rows.
constexpr int HeightShowing(int rows) {
    return kFirstRowTop + rows * kRowHeight + 1;
}

// What a grid painted: 32-bit pixels read back from a DIB section.
class Picture {
  public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC DC() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    // Fills the whole picture, so pixels a painting leaves alone can be told apart.
    void Fill(COLORREF color);
    // Whether the block at (x1, y1) equals the block of the same size at (x2, y2).
    bool SameBlock(int x1, int y1, int x2, int y2, int width, int height) const;
    // How many pixels of the rectangle have that colour.
    int Count(const RECT& rect, COLORREF color) const;

  private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    const DWORD* m_bits = nullptr;
};

class GridTest : public testing::Test {
  protected:
    void SetUp() override;

    // Makes the grid with that client size (the host is larger).
    void CreateGrid(int width, int height);
    int AddText(const std::string& caption, const std::string& text = {});
    // Rows of PIT_TEXT named "Row 1", "Row 2", ...; returns the last id.
    int AddRows(int count);

    // Paints through the client-area context, which also lays the rows out.
    void Redraw() { m_grid.Redraw(); }
    // Paints the grid into a fresh picture through WM_PRINTCLIENT.
    void PaintInto(Picture& picture) const;

    void Click(POINT point) const;
    // A point inside the row's value box, and one in its caption column.
    POINT ValuePoint(int id);
    POINT CaptionPoint(int id);
    void ClickValue(int id) { Click(ValuePoint(id)); }
    void ClickCaption(int id) { Click(CaptionPoint(id)); }
    void Scroll(int code, int position = 0) const;

    // The open in-place editor (control id 1001), or null.
    HWND Editor() const { return GetDlgItem(m_grid.GetSafeHwnd(), IDC_GRID_EDITOR); }
    HWND ScrollBar() const { return GetDlgItem(m_grid.GetSafeHwnd(), IDC_GRID_SCROLLBAR); }
    bool ScrollBarShown() const;
    // Id of the first row the last layout showed (the scroll position), 0 when none.
    int FirstShownId();

    RECT ItemRect(int id);
    // The value box by the layout rules: from 0.4 of the sum of the row's edges to the
    // scroll bar's allowance.
    RECT ValueBox(int id);

    fw::CWnd m_host;
    PropertyGrid m_grid;
};

std::string WindowText(HWND window);
std::string ClassOf(HWND window);

} // namespace gridtest
