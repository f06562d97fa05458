#pragma once
// Drawing steps shared by the grid and its rows.
#include <windows.h>

namespace propgrid {

// Fills the rectangle with a colour without a brush; the colour stays the background colour
// of dc, so text drawn next sits on it.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF color);

// The rectangle moved inwards by the same amount on every side.
RECT DeflatedRect(const RECT& rect, int amount);

// Where one line of text of that height sits in a value box: 4 pixels in from either side,
// centred vertically, and never over the box's sunken edge.
RECT LineBox(const RECT& valueBox, int lineHeight);

// Height of one line of the font selected into dc.
int LineHeight(HDC dc);

// Width kept free at the grid's right edge for its vertical scroll bar.
int ScrollBarAllowance();

} // namespace propgrid
