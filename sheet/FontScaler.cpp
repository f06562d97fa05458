#include "sheet/FontScaler.h"

#include "framework/Gdi.h"

FontMeasure MeasureFont(HDC dc, HFONT font) {
    fw::SelectObjectGuard selected(dc, font);
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(dc, &metrics))
        return {0, 0};
    return {metrics.tmAveCharWidth, metrics.tmHeight + metrics.tmExternalLeading};
}
