// What the grid paints, read back from a memory bitmap it painted into through WM_PRINTCLIENT.
#include "GridFixture.h"

#include "controls/propgrid/OffscreenDC.h"

using namespace gridtest;

namespace {

constexpr COLORREF kUnpainted = RGB(255, 0, 255);

// Dark enough to be text drawn in the default (black) text colour on a light background.
bool IsInk(COLORREF pixel) {
    return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 300;
}

int CountInk(const Picture& picture, const RECT& rect) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += IsInk(picture.At(x, y)) ? 1 : 0;
    return count;
}

class PaintTest : public GridTest {
  protected:
    // The grid's whole client area, painted over a colour the grid never uses.
    std::unique_ptr<Picture> Paint() {
        const RECT client = m_grid.GetClientRect();
        auto picture = std::make_unique<Picture>(client.right, client.bottom);
        picture->Fill(kUnpainted);
        PaintInto(*picture);
        return picture;
    }

    RECT CaptionBox(int id) {
        const RECT row = ItemRect(id);
        return {row.left + 2, row.top + 1, ValueBox(id).left, row.bottom};
    }

    int AddValueRow(int type, const std::string& text, BOOL flag = FALSE) {
        PropertyItemInfo info;
        info.m_caption = "value";
        info.m_type = type;
        info.m_text = text;
        info.m_bool = flag;
        return m_grid.AddItem(info);
    }
};

} // namespace

TEST_F(PaintTest, EmptyGridPaintsBackgroundAndSunkenBorderOnly) {
    CreateGrid(200, 100);
    const COLORREF background = RGB(10, 200, 30);
    m_grid.SetBkColor(background);
    const auto picture = Paint();
    EXPECT_FALSE(ScrollBarShown());

    const RECT inside{2, 2, 198, 98};
    EXPECT_EQ(196 * 96, picture->Count(inside, background));
    // The sunken edge: shadow outside and dark shadow inside at the top and left,
    // highlight outside and light inside at the bottom and right.
    struct Probe {
        const char* where;
        int x, y;
        int sysColor;
    };
    const Probe probes[] = {
        {"top outer", 100, 0, COLOR_BTNSHADOW},        {"top inner", 100, 1, COLOR_3DDKSHADOW},
        {"left outer", 0, 50, COLOR_BTNSHADOW},        {"left inner", 1, 50, COLOR_3DDKSHADOW},
        {"bottom outer", 100, 99, COLOR_BTNHIGHLIGHT}, {"bottom inner", 100, 98, COLOR_3DLIGHT},
        {"right outer", 199, 50, COLOR_BTNHIGHLIGHT},  {"right inner", 198, 50, COLOR_3DLIGHT},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(GetSysColor(p.sysColor), picture->At(p.x, p.y)) << p.where;
    EXPECT_EQ(0, picture->Count(RECT{0, 0, 200, 100}, kUnpainted));
}

TEST_F(PaintTest, PaintingLeavesTheShownScrollBarAlone) {
    CreateGrid(300, HeightShowing(3));
    AddRows(4);
    const auto picture = Paint();
    ASSERT_TRUE(ScrollBarShown());
    RECT bar = fw::CWnd::FromHandle(ScrollBar())->GetWindowRect();
    MapWindowPoints(nullptr, m_grid.GetSafeHwnd(), reinterpret_cast<POINT*>(&bar), 2);
    const int barArea = (bar.right - bar.left) * (bar.bottom - bar.top);
    EXPECT_EQ(barArea, picture->Count(bar, kUnpainted));
    EXPECT_EQ(barArea, picture->Count(RECT{0, 0, 300, HeightShowing(3)}, kUnpainted));
}

TEST_F(PaintTest, CaptionIsCutAt255CharactersAndPaddedWithDots) {
    // Wide enough for 255 characters to show before the value box; the last row clear of
    // the bottom border.
    CreateGrid(6000, HeightShowing(5));
    const std::string x255(255, 'x');
    const int cut = AddText(x255 + std::string(45, 'W'));
    const int exact = AddText(x255);
    const int shortCaption = AddText("ABCDEFGHIJK");
    const int dotted = AddText("ABCDEFGHIJK" + std::string(244, '.'));
    const auto picture = Paint();

    fw::CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(DefaultPropertyFont(), picture->DC()));
    {
        fw::SelectObjectGuard select(picture->DC(), font);
        ASSERT_LT(fw::MeasureText(picture->DC(), x255 + "WWWW").cx, ValueBox(cut).left - 10)
            << "the cut-off characters would show if they were drawn";
    }
    const RECT box = CaptionBox(cut);
    const int width = box.right - box.left, height = box.bottom - box.top;
    EXPECT_GT(CountInk(*picture, box), 0);
    EXPECT_TRUE(
        picture->SameBlock(box.left, box.top, box.left, CaptionBox(exact).top, width, height));
    EXPECT_TRUE(picture->SameBlock(box.left, CaptionBox(shortCaption).top, box.left,
                                   CaptionBox(dotted).top, width, height));
}

TEST_F(PaintTest, DotLeaderRunsUpToTheValueBox) {
    CreateGrid(400, HeightShowing(2));
    const int id = AddText("A");
    const auto picture = Paint();
    const RECT caption = CaptionBox(id);
    const RECT beforeBox{caption.right - 8, caption.top, caption.right, caption.bottom};
    EXPECT_GT(CountInk(*picture, beforeBox), 0);
}

TEST_F(PaintTest, ValueBoxIsASunkenWindowColouredBoxAtFourTenthsOfTheEdgeSum) {
    CreateGrid(400, HeightShowing(2));
    const int id = AddText("caption");
    const auto picture = Paint();
    const RECT box = ValueBox(id);
    ASSERT_EQ((3 + 394) * 2 / 5, box.left);
    const int midY = (box.top + box.bottom) / 2, midX = (box.left + box.right) / 2;
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), picture->At(box.left, midY));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), picture->At(box.left + 1, midY));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), picture->At(midX, box.top));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), picture->At(box.right - 1, midY));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), picture->At(box.right - 2, midY));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), picture->At(midX, box.bottom - 1));
    const RECT inside{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    const int area = (inside.right - inside.left) * (inside.bottom - inside.top);
    EXPECT_EQ(area, picture->Count(inside, GetSysColor(COLOR_WINDOW)));
    // Right of the box lies the scroll bar's allowance, painted as background.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture->At(box.right + 1, midY));
}

TEST_F(PaintTest, ColourRowFillsItsValueBox) {
    CreateGrid(400, HeightShowing(2));
    const COLORREF color = RGB(200, 30, 40);
    const int id = m_grid.AddItem("colour", PIT_COLOR, 0);
    m_grid.SetItemColor(id, color);
    const auto picture = Paint();
    const RECT box = ValueBox(id);
    const RECT inside{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    const int area = (inside.right - inside.left) * (inside.bottom - inside.top);
    EXPECT_EQ(area, picture->Count(inside, color));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), picture->At(box.left, (box.top + box.bottom) / 2));
}

TEST_F(PaintTest, EachTypeShowsItsValueAsTheMatchingText) {
    struct Case {
        const char* name;
        int type;
        BOOL flag;
        const char* shownAs;
    };
    const Case cases[] = {
        {"int", PIT_INT, FALSE, "-5"},
        {"long", PIT_LONG, FALSE, "1234567"},
        {"font", PIT_FONT, FALSE, "Arial"},
        {"true", PIT_TRUEFALSE, TRUE, "True"},
        {"false", PIT_TRUEFALSE, FALSE, "False"},
        {"yes", PIT_YESNO, TRUE, "Yes"},
        {"no", PIT_YESNO, FALSE, "No"},
        {"on", PIT_ONOFF, TRUE, "On"},
        {"off", PIT_ONOFF, FALSE, "Off"},
        {"address", PIT_IPADDRESS, FALSE, "10.1.2.3"},
        {"choice", PIT_COMBO, FALSE, "a4"},
        {"file", PIT_FILE, FALSE, "dp.ini"},
        {"unassigned", 9, FALSE, ""},
    };
    const int count = static_cast<int>(std::size(cases));
    CreateGrid(400, HeightShowing(2 * count));
    std::vector<std::pair<int, int>> rows; // (row of the type, row of plain text)
    for (const Case& c : cases) {
        const int typed = AddValueRow(c.type, c.shownAs, c.flag);
        m_grid.SetItemInt(typed, -5);
        m_grid.SetItemLong(typed, 1234567);
        m_grid.SetItemFont(typed, DefaultPropertyFont());
        // The typed row holds a different text, so only its own value can match.
        if (c.type != PIT_IPADDRESS && c.type != PIT_COMBO && c.type != PIT_FILE)
            m_grid.SetItemText(typed, "other");
        rows.emplace_back(typed, AddValueRow(PIT_TEXT, c.shownAs));
    }
    const auto picture = Paint();
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const RECT typed = ValueBox(rows[i].first), text = ValueBox(rows[i].second);
        if (*cases[i].shownAs) {
            ASSERT_GT(CountInk(*picture, text), 0) << "the reference text shows";
        }
        EXPECT_TRUE(picture->SameBlock(typed.left, typed.top, text.left, text.top,
                                       typed.right - typed.left, typed.bottom - typed.top));
    }
}

TEST(OffscreenDCTest, DrawsInTheTargetsCoordinatesAndCopiesOnlyItsClipBox) {
    Picture target(100, 100);
    target.Fill(kUnpainted);
    IntersectClipRect(target.DC(), 10, 20, 60, 70);
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    {
        OffscreenDC dc(target.DC());
        EXPECT_NE(target.DC(), static_cast<HDC>(dc));
        const RECT all{0, 0, 100, 100}, spot{30, 40, 32, 42};
        SetBkColor(dc, red);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        SetBkColor(dc, blue);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &spot, nullptr, 0, nullptr);
        EXPECT_EQ(kUnpainted, target.At(30, 40)) << "nothing reaches the target before the end";
    }
    EXPECT_EQ(blue, target.At(30, 40));
    EXPECT_EQ(blue, target.At(31, 41));
    EXPECT_EQ(red, target.At(10, 20));
    EXPECT_EQ(red, target.At(59, 69));
    EXPECT_EQ(kUnpainted, target.At(9, 20));
    EXPECT_EQ(kUnpainted, target.At(60, 69));
    EXPECT_EQ(kUnpainted, target.At(59, 70));
}
