#include "controls/propgrid/GridDrawing.h"

namespace propgrid {

void FillSolidRect(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

RECT DeflatedRect(const RECT& rect, int amount) {
    return {rect.left + amount, rect.top + amount, rect.right - amount, rect.bottom - amount};
}

int ScrollBarAllowance() {
    return GetSystemMetrics(SM_CYHSCROLL) + GetSystemMetrics(SM_CXEDGE);
}

} // namespace propgrid
