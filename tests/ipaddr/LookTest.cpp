// What the control draws, read back from memory bitmaps: the background by state, the three
// dots between the fields, and the fields' font and enabled state.
#include "IPAddrFixture.h"

#include <cstdlib>

#include "framework/Gdi.h"

namespace test {
namespace {

class IPAddrLook : public IPAddrTest {
  protected:
    void SetUp() override {
        IPAddrTest::SetUp();
        m_client = {};
        GetClientRect(m_control, &m_client);
        ASSERT_GT(m_client.right, 40);
        ASSERT_GT(m_client.bottom, 4);
    }

    // The background the control erases to, sampled at its corners and centre; 0xFFFFFFFF
    // when the samples differ.
    COLORREF Background() const {
        fw::MemoryBitmapDC dc(m_client.right, m_client.bottom);
        EXPECT_NE(0, SendMessageA(m_control, WM_ERASEBKGND,
                                  reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0));
        const COLORREF color = dc.GetPixel(0, 0);
        for (POINT p : {POINT{m_client.right - 1, 0}, POINT{0, m_client.bottom - 1},
                        POINT{m_client.right - 1, m_client.bottom - 1},
                        POINT{m_client.right / 2, m_client.bottom / 2}}) {
            if (dc.GetPixel(p.x, p.y) != color)
                return 0xFFFFFFFF;
        }
        return color;
    }

    // Columns of the client area where the control's own painting leaves ink, and the
    // strongest ink: the colour farthest from the paper (the dots' edges are smoothed).
    struct Ink {
        std::vector<int> columns;
        COLORREF strongest = kPaper;
    };
    static constexpr COLORREF kPaper = RGB(250, 240, 230);

    static int Distance(COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b));
    }

    Ink PaintedInk() const {
        fw::MemoryBitmapDC dc(m_client.right, m_client.bottom);
        fw::SolidBrush brush(kPaper);
        FillRect(dc, &m_client, brush);
        SendMessageA(m_control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                     PRF_CLIENT);
        Ink ink;
        for (int x = 0; x < m_client.right; ++x) {
            for (int y = 0; y < m_client.bottom; ++y) {
                const COLORREF color = dc.GetPixel(x, y);
                if (color == kPaper)
                    continue;
                if (ink.columns.empty() || ink.columns.back() != x)
                    ink.columns.push_back(x);
                if (Distance(color, kPaper) > Distance(ink.strongest, kPaper))
                    ink.strongest = color;
            }
        }
        return ink;
    }

    // Field n's rectangle in the control's client coordinates.
    RECT FieldRect(int n) const {
        RECT rect{};
        GetWindowRect(Field(n), &rect);
        MapWindowPoints(nullptr, m_control, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    RECT m_client{};
};

TEST_F(IPAddrLook, BackgroundIsTheWindowColourOnlyWhenEnabledAndWritable) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(window, face);
    EXPECT_EQ(window, Background());

    EnableWindow(m_control, FALSE);
    EXPECT_EQ(face, Background());
    SendMessageA(m_control, IPAC_SETREADONLY, TRUE, 0);
    EnableWindow(m_control, TRUE);
    EXPECT_EQ(face, Background()) << "still read-only";
    SendMessageA(m_control, IPAC_SETREADONLY, FALSE, 0);
    EXPECT_EQ(window, Background());
}

TEST_F(IPAddrLook, DisablingDisablesTheFieldsAndEnablingRestoresThem) {
    EnableWindow(m_control, FALSE);
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(IsWindowEnabled(Field(n))) << n;
    EnableWindow(m_control, TRUE);
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(IsWindowEnabled(Field(n))) << n;
}

TEST_F(IPAddrLook, ThreeDotsLieInTheGapsBetweenTheFields) {
    const Ink ink = PaintedInk();
    ASSERT_FALSE(ink.columns.empty());
    // Group the inked columns into dots.
    std::vector<std::pair<int, int>> dots;
    for (int x : ink.columns) {
        if (dots.empty() || x > dots.back().second + 1)
            dots.emplace_back(x, x);
        else
            dots.back().second = x;
    }
    ASSERT_EQ(3u, dots.size());
    for (size_t j = 0; j < dots.size(); ++j) {
        const int n = static_cast<int>(j) + 1;
        EXPECT_GE(dots[j].first, FieldRect(n).right) << "dot " << n;
        EXPECT_LE(dots[j].second, FieldRect(n + 1).left - 1) << "dot " << n;
    }
}

TEST_F(IPAddrLook, FieldsShareTheWidthInOrderBelowTheTopEdge) {
    const int width = FieldRect(1).right - FieldRect(1).left;
    EXPECT_GT(width, 0);
    for (int n = 1; n <= 4; ++n) {
        const RECT field = FieldRect(n);
        EXPECT_EQ(width, field.right - field.left) << n;
        EXPECT_EQ(GetSystemMetrics(SM_CYEDGE), field.top) << n;
        EXPECT_EQ(m_client.bottom, field.bottom) << n;
        if (n > 1) {
            EXPECT_GT(field.left, FieldRect(n - 1).right) << n;
        }
    }
    EXPECT_LE(FieldRect(4).right, m_client.right);
    EXPECT_EQ(0, FieldRect(1).left);
}

TEST_F(IPAddrLook, DotsAreWindowTextWhenEnabledAndGreyWhenDisabled) {
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    ASSERT_NE(text, grey);
    for (const auto& [enabled, expected] : {std::pair{TRUE, text}, {FALSE, grey}, {TRUE, text}}) {
        EnableWindow(m_control, enabled);
        EXPECT_EQ(expected, PaintedInk().strongest) << (enabled ? "enabled" : "disabled");
    }
}

TEST_F(IPAddrLook, TheFontReachesEveryFieldAndTheDotsWhichWidenToHoldThreeDigits) {
    fw::CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, "Arial"));
    SendMessageA(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font)), TRUE);
    EXPECT_EQ(static_cast<HFONT>(font),
              reinterpret_cast<HFONT>(SendMessageA(m_control, WM_GETFONT, 0, 0)));
    SIZE digits{};
    {
        fw::ClientDC dc(m_control);
        fw::SelectObjectGuard selected(dc, font);
        digits = fw::MeasureText(dc, "888");
    }
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(static_cast<HFONT>(font),
                  reinterpret_cast<HFONT>(SendMessageA(Field(n), WM_GETFONT, 0, 0)))
            << n;
        const auto margins = static_cast<DWORD>(SendMessageA(Field(n), EM_GETMARGINS, 0, 0));
        const RECT field = FieldRect(n);
        EXPECT_GE(field.right - field.left, digits.cx + LOWORD(margins) + HIWORD(margins)) << n;
    }
    SetFields({"", "", "", ""});
    SetFocus(m_control);
    TypeInFocus("200200200200");
    EXPECT_EQ(std::vector<std::string>({"200", "200", "200", "200"}), Fields())
        << "no digit refused for lack of room";
    DestroyWindow(m_dialog);
    m_dialog = nullptr;
    LOGFONTA info{};
    EXPECT_EQ(static_cast<int>(sizeof info), GetObjectA(font, sizeof info, &info));
}

TEST(IPAddrCreatedDisabled, StartsWithDisabledFieldsAndTheFaceColour) {
    ASSERT_TRUE(RegisterIPAddrClass());
    HWND dialog = CreateAddressDialog(kTemplateAddressStyle | WS_DISABLED, nullptr);
    ASSERT_NE(nullptr, dialog);
    HWND control = GetDlgItem(dialog, kAddressId);
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(control, n))) << n;
    RECT client{};
    GetClientRect(control, &client);
    fw::MemoryBitmapDC dc(client.right, client.bottom);
    SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), dc.GetPixel(1, 1));
    EnableWindow(control, TRUE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(control, 1)));
    DestroyWindow(dialog);
}

} // namespace
} // namespace test
