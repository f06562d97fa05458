#include "GridFixture.h"

#include <algorithm>

namespace gridtest {

Picture::Picture(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    if (m_dc && m_bitmap)
        m_previous = SelectObject(m_dc, m_bitmap);
}

Picture::~Picture() {
    if (m_previous)
        SelectObject(m_dc, m_previous);
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_dc)
        DeleteDC(m_dc);
}

COLORREF Picture::At(int x, int y) const {
    GdiFlush();
    const DWORD pixel =
        m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
    // BI_RGB keeps blue in the low byte.
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Picture::Fill(COLORREF color) {
    RECT all{0, 0, m_width, m_height};
    SetBkColor(m_dc, color);
    ExtTextOutA(m_dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
}

bool Picture::SameBlock(int x1, int y1, int x2, int y2, int width, int height) const {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (At(x1 + x, y1 + y) != At(x2 + x, y2 + y))
                return false;
    return true;
}

int Picture::Count(const RECT& rect, COLORREF color) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += At(x, y) == color ? 1 : 0;
    return count;
}

void GridTest::SetUp() {
    ASSERT_TRUE(m_host.CreateEx(0, nullptr, "grid host", WS_POPUP | WS_VISIBLE,
                                RECT{0, 0, 800, 600}, nullptr, 0));
    SetForegroundWindow(m_host.GetSafeHwnd());
}

void GridTest::CreateGrid(int width, int height) {
    // A borderless child: its client area is its window rectangle.
    ASSERT_TRUE(m_grid.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                              RECT{10, 10, 10 + width, 10 + height}, m_host.GetSafeHwnd(), 1001));
}

int GridTest::AddText(const std::string& caption, const std::string& text) {
    PropertyItemInfo info;
    info.m_caption = caption;
    info.m_type = PIT_TEXT;
    info.m_text = text;
    return m_grid.AddItem(info);
}

int GridTest::AddRows(int count) {
    int id = 0;
    for (int i = 1; i <= count; ++i)
        id = AddText("Row " + std::to_string(i));
    return id;
}

void GridTest::PaintInto(Picture& picture) const {
    m_grid.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
}

void GridTest::Click(POINT point) const {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
    m_grid.SendMessage(WM_LBUTTONUP, 0, where);
}

RECT GridTest::ItemRect(int id) {
    RECT rect{};
    EXPECT_TRUE(m_grid.GetItemRect(id, rect)) << "row " << id;
    return rect;
}

RECT GridTest::ValueBox(int id) {
    const RECT row = ItemRect(id);
    const int split = (row.left + row.right) * 2 / 5;
    const int allowance = GetSystemMetrics(SM_CYHSCROLL) + GetSystemMetrics(SM_CXEDGE);
    return {split, row.top + 1, row.right - allowance, row.bottom};
}

POINT GridTest::ValuePoint(int id) {
    const RECT box = ValueBox(id);
    return {box.right - 10, box.top + 5};
}

POINT GridTest::CaptionPoint(int id) {
    const RECT row = ItemRect(id);
    return {row.left + 10, row.top + 5};
}

void GridTest::Scroll(int code, int position) const {
    m_grid.SendMessage(WM_VSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(ScrollBar()));
}

bool GridTest::ScrollBarShown() const {
    return (GetWindowLongA(ScrollBar(), GWL_STYLE) & WS_VISIBLE) != 0;
}

int GridTest::FirstShownId() {
    for (int id = 1; id <= 1000; ++id)
        if (m_grid.IsItemVisible(id))
            return id;
    return 0;
}

std::string WindowText(HWND window) {
    return fw::GetWindowTextOf(window);
}

std::string ClassOf(HWND window) {
    return fw::GetClassNameOf(window);
}

} // namespace gridtest
