#pragma once
// Converting window geometry from one font to another: horizontal values by the fonts'
// average character widths, vertical values by their line heights.
#include <windows.h>

struct FontMeasure {
    int charWidth;
    // Character height plus external leading.
    int lineHeight;
};

// The page icon's side in pixels at a display's dots per inch: 32 at 96, growing with the DPI.
int PageIconPixels(int dpi);

// The measure of a font in a device context (the context's own font when font is null).
FontMeasure MeasureFont(HDC dc, HFONT font);

// The product comes first and the division truncates toward zero. A zero measure (a font that
// cannot be measured) leaves values unscaled rather than dividing by it.
class FontScaler {
  public:
    FontScaler(const FontMeasure& from, const FontMeasure& to) : m_from(from), m_to(to) {}
    int X(int v) const { return Scale(v, m_to.charWidth, m_from.charWidth); }
    int Y(int v) const { return Scale(v, m_to.lineHeight, m_from.lineHeight); }

  private:
    static int Scale(int v, int to, int from) { return from == 0 || to == 0 ? v : v * to / from; }
    FontMeasure m_from;
    FontMeasure m_to;
};
