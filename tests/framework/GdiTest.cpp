#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "support/WindowDriver.h"

namespace {
LOGFONTA FontInfo(HFONT font) {
    LOGFONTA info{};
    GetObjectA(font, sizeof info, &info);
    return info;
}

bool IsLiveGdiObject(HGDIOBJ object) {
    return GetObjectType(object) != 0;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

constexpr COLORREF kRed = RGB(200, 10, 30);
constexpr COLORREF kBlue = RGB(0, 40, 220);
} // namespace

TEST(CFontPointSize, TenthsOfAPointBecomeNegativePixelHeightsOnTheScreen) {
    struct Case {
        int tenths;
        LONG pixelsAt96Dpi;
    };
    const int dpi = ScreenDpi();
    for (const Case& c :
         {Case{80, -11}, Case{90, -12}, Case{100, -13}, Case{120, -16}, Case{240, -32}}) {
        fw::CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, "MS Sans Serif"));
        const LOGFONTA info = FontInfo(font);
        EXPECT_EQ(-MulDiv(c.tenths, dpi, 720), info.lfHeight) << c.tenths;
        if (dpi == 96) {
            EXPECT_EQ(c.pixelsAt96Dpi, info.lfHeight) << c.tenths;
        }
        EXPECT_STREQ("MS Sans Serif", info.lfFaceName);
    }
}

TEST(CFontPointSize, FollowsTheMappingModeOfTheDeviceContextGiven) {
    fw::MemoryBitmapDC dc(4, 4);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    fw::CFont plain;
    ASSERT_TRUE(plain.CreatePointFont(240, "Arial", dc));
    EXPECT_EQ(-MulDiv(240, dpi, 720), FontInfo(plain).lfHeight);

    // Two logical units per pixel: the same point size takes twice the logical height.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2, 2, nullptr);
    SetViewportExtEx(dc, 1, 1, nullptr);
    fw::CFont scaled;
    ASSERT_TRUE(scaled.CreatePointFont(240, "Arial", dc));
    EXPECT_EQ(-2 * MulDiv(240, dpi, 720), FontInfo(scaled).lfHeight);
}

TEST(CFontPointSize, IndirectCreationKeepsEverythingButTheHeight) {
    LOGFONTA wanted{};
    wanted.lfHeight = 100;
    wanted.lfWeight = FW_BOLD;
    wanted.lfItalic = TRUE;
    lstrcpynA(wanted.lfFaceName, "Courier New", LF_FACESIZE);
    fw::CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(wanted));
    const LOGFONTA info = FontInfo(font);
    EXPECT_EQ(-MulDiv(100, ScreenDpi(), 720), info.lfHeight);
    EXPECT_EQ(FW_BOLD, info.lfWeight);
    EXPECT_EQ(TRUE, info.lfItalic);
    EXPECT_STREQ("Courier New", info.lfFaceName);
}

TEST(CFontOwnership, EveryHandleHasExactlyOneOwner) {
    HFONT first = nullptr;
    {
        fw::CFont a;
        ASSERT_TRUE(a.CreatePointFont(80, "Arial"));
        first = a;
        fw::CFont b(std::move(a));
        EXPECT_EQ(nullptr, a.GetSafeHandle());
        EXPECT_EQ(first, b.GetSafeHandle());

        fw::CFont c;
        ASSERT_TRUE(c.CreatePointFont(100, "Arial"));
        HFONT replaced = c;
        c = std::move(b);
        EXPECT_FALSE(IsLiveGdiObject(replaced)); // the assigned-to font let go of its own
        EXPECT_EQ(first, c.GetSafeHandle());
        EXPECT_EQ(nullptr, b.GetSafeHandle());

        fw::CFont& same = c;
        c = std::move(same);
        EXPECT_EQ(first, c.GetSafeHandle());
        EXPECT_TRUE(IsLiveGdiObject(first));

        // Creating again replaces the font held.
        ASSERT_TRUE(c.CreatePointFont(120, "Arial"));
        EXPECT_FALSE(IsLiveGdiObject(first));
        first = c;
    }
    EXPECT_FALSE(IsLiveGdiObject(first));
}

TEST(CFontOwnership, DetachHandsTheFontOverAndAttachTakesItBack) {
    HFONT font = nullptr;
    {
        fw::CFont owner;
        ASSERT_TRUE(owner.CreatePointFont(80, "Arial"));
        font = owner.Detach();
        EXPECT_EQ(nullptr, owner.GetSafeHandle());
    }
    ASSERT_TRUE(IsLiveGdiObject(font));
    {
        fw::CFont owner;
        ASSERT_TRUE(owner.CreatePointFont(100, "Arial"));
        HFONT previous = owner;
        owner.Attach(font);
        EXPECT_FALSE(IsLiveGdiObject(previous));
        EXPECT_EQ(font, owner.GetSafeHandle());
    }
    EXPECT_FALSE(IsLiveGdiObject(font));
}

TEST(MemoryBitmapDC, HoldsABitmapOfItsSizeWhosePixelsCanBeRead) {
    fw::MemoryBitmapDC dc(8, 4);
    ASSERT_TRUE(dc.IsValid());
    BITMAP bitmap{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
    EXPECT_EQ(8, bitmap.bmWidth);
    EXPECT_EQ(4, bitmap.bmHeight);

    const RECT all{0, 0, 8, 4}, left{0, 0, 3, 4};
    FillRect(dc, &all, fw::SolidBrush(kBlue));
    FillRect(dc, &left, fw::SolidBrush(kRed));
    EXPECT_EQ(kRed, dc.GetPixel(0, 0));
    EXPECT_EQ(kRed, dc.GetPixel(2, 3));
    EXPECT_EQ(kBlue, dc.GetPixel(3, 0));
    EXPECT_EQ(kBlue, dc.GetPixel(7, 3));

    // One made compatible with this one is in colour too.
    fw::MemoryBitmapDC copy(8, 4, dc);
    ASSERT_TRUE(copy.IsValid());
    BitBlt(copy, 0, 0, 8, 4, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(kRed, copy.GetPixel(1, 1));
    EXPECT_EQ(kBlue, copy.GetPixel(6, 2));
}

TEST(MemoryBitmapDC, AnEmptySizeStillGivesAUsablePixel) {
    fw::MemoryBitmapDC dc(0, -5);
    ASSERT_TRUE(dc.IsValid());
    SetPixel(dc, 0, 0, kRed);
    EXPECT_EQ(kRed, dc.GetPixel(0, 0));
}

TEST(SelectObjectGuard, RestoresWhatWasSelectedBefore) {
    fw::MemoryBitmapDC dc(4, 4);
    fw::CFont outer, inner;
    ASSERT_TRUE(outer.CreatePointFont(80, "Arial"));
    ASSERT_TRUE(inner.CreatePointFont(120, "Arial"));
    HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    {
        fw::SelectObjectGuard first(dc, outer);
        EXPECT_EQ(outer.GetSafeHandle(), GetCurrentObject(dc, OBJ_FONT));
        {
            fw::SelectObjectGuard second(dc, inner);
            EXPECT_EQ(inner.GetSafeHandle(), GetCurrentObject(dc, OBJ_FONT));
            fw::SelectObjectGuard none(dc, nullptr); // selects nothing, restores nothing
            EXPECT_EQ(inner.GetSafeHandle(), GetCurrentObject(dc, OBJ_FONT));
        }
        EXPECT_EQ(outer.GetSafeHandle(), GetCurrentObject(dc, OBJ_FONT));
    }
    EXPECT_EQ(original, GetCurrentObject(dc, OBJ_FONT));
}

TEST(MeasureText, GrowsWithTheTextAndTheFont) {
    fw::MemoryBitmapDC dc(4, 4);
    fw::CFont smallFont, largeFont;
    ASSERT_TRUE(smallFont.CreatePointFont(80, "Arial", dc));
    ASSERT_TRUE(largeFont.CreatePointFont(240, "Arial", dc));
    fw::SelectObjectGuard selected(dc, smallFont);
    const SIZE one = fw::MeasureText(dc, "W");
    const SIZE two = fw::MeasureText(dc, "WW");
    EXPECT_EQ(0, fw::MeasureText(dc, "").cx);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(2 * one.cx, two.cx);
    EXPECT_GT(one.cy, 0);
    fw::SelectObjectGuard larger(dc, largeFont);
    EXPECT_GT(fw::MeasureText(dc, "W").cy, one.cy);
}

namespace {
// Paints itself through PaintDC and reports what it saw.
class PaintedWnd : public fw::CWnd {
  public:
    int paints = 0;
    bool hadDC = false;
    RECT painted{};

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_PAINT)
            return fw::CWnd::WindowProc(msg, wParam, lParam);
        fw::PaintDC dc(m_hWnd);
        ++paints;
        hadDC = dc != nullptr;
        painted = dc.Info().rcPaint;
        return 0;
    }
};
} // namespace

TEST(PaintDC, PaintsTheInvalidAreaAndValidatesIt) {
    PaintedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 40}, nullptr, 0));
    test::PumpMessages();
    const RECT dirty{5, 6, 20, 30};
    InvalidateRect(wnd.m_hWnd, &dirty, FALSE);
    const int before = wnd.paints;
    UpdateWindow(wnd.m_hWnd);
    EXPECT_EQ(before + 1, wnd.paints);
    EXPECT_TRUE(wnd.hadDC);
    EXPECT_TRUE(EqualRect(&dirty, &wnd.painted));
    EXPECT_FALSE(GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
}

TEST(GdiLeaks, TheProbesSeeALeakButNotAReordering) {
    const std::vector<unsigned> gdiBefore = test::NextGdiSlots();
    const std::vector<unsigned> windowsBefore = test::NextWindowSlots();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 3; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    std::vector<HWND> windows;
    for (int i = 0; i < 3; ++i)
        windows.push_back(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          GetModuleHandleA(nullptr), nullptr));
    EXPECT_NE(gdiBefore, test::NextGdiSlots());
    EXPECT_NE(windowsBefore, test::NextWindowSlots());
    // Freed in the order made, not the reverse: the free lists hold the same slots reordered.
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    for (HWND window : windows)
        DestroyWindow(window);
    EXPECT_EQ(gdiBefore, test::NextGdiSlots());
    EXPECT_EQ(windowsBefore, test::NextWindowSlots());
    EXPECT_EQ(gdiBefore.back(), test::ProbeGdiSlot());
    EXPECT_EQ(windowsBefore.back(), test::ProbeWindowSlot());
}

TEST(GdiLeaks, RepeatedUseOfTheHelpersLeavesNothingBehind) {
    fw::CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, RECT{0, 0, 40, 40}, nullptr, 0));
    const auto cycle = [&window](int i) {
        fw::CFont font;
        font.CreatePointFont(80 + i % 5, "Arial");
        font.CreatePointFont(90, "Arial");
        fw::CFont moved(std::move(font));
        fw::MemoryBitmapDC dc(16, 16);
        fw::SelectObjectGuard selected(dc, moved);
        const RECT all{0, 0, 16, 16};
        FillRect(dc, &all, fw::SolidBrush(RGB(i % 256, 0, 0)));
        fw::MeasureText(dc, "text");
        fw::ClientDC client(window.m_hWnd);
        fw::MeasureText(client, "text");
    };
    cycle(0);
    const std::vector<unsigned> before = test::NextGdiSlots();
    for (int i = 0; i < 100; ++i)
        cycle(i);
    EXPECT_EQ(before, test::NextGdiSlots());
}
