#include "sheet/FontScaler.h"

#include "framework/Gdi.h"

FontMeasure MeasureFont(HDC dc, HFONT font) {
    fw::SelectObjectGuard selected(dc, font);
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(dc, &metrics))
        return {0, 0};
    return {metrics.tmAveCharWidth, metrics.tmHeight + metrics.tmExternalLeading};
}

int PageIconPixels(int dpi) {
    constexpr int kPixelsAt96 = 32;
    return dpi > 0 ? MulDiv(kPixelsAt96, dpi, 96) : kPixelsAt96;
}
