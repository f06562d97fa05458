#pragma once
// Drawing steps shared by the grid and its rows.
#include <windows.h>

namespace propgrid {

// Fills the rectangle with a colour without a brush; the colour stays the background colour
// of dc, so text drawn next sits on it.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF color);

// The rectangle moved inwards by the same amount on every side.
RECT DeflatedRect(const RECT& rect, int amount);

// Width kept free at the grid's right edge for its vertical scroll bar.
int ScrollBarAllowance();

} // namespace propgrid
