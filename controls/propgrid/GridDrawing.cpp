#include "controls/propgrid/GridDrawing.h"

#include <algorithm>

namespace propgrid {

void FillSolidRect(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

RECT DeflatedRect(const RECT& rect, int amount) {
    return {rect.left + amount, rect.top + amount, rect.right - amount, rect.bottom - amount};
}

RECT LineBox(const RECT& valueBox, int lineHeight) {
    // Inside the sunken edge vertically; the text's own inset horizontally.
    constexpr int kEdge = 2;
    constexpr int kInset = 4;
    const int boxTop = static_cast<int>(valueBox.top);
    const int boxBottom = static_cast<int>(valueBox.bottom);
    const int top = std::max(boxTop + (boxBottom - boxTop - lineHeight) / 2, boxTop + kEdge);
    const int bottom = std::min(top + lineHeight, boxBottom - kEdge);
    return {valueBox.left + kInset, top, valueBox.right - kInset, bottom};
}

int LineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    return GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : 0;
}

int ScrollBarAllowance() {
    return GetSystemMetrics(SM_CYHSCROLL) + GetSystemMetrics(SM_CXEDGE);
}

} // namespace propgrid
