#include <gtest/gtest.h>

#include "framework/Gdi.h"
#include "sheet/FontScaler.h"

namespace {

TEST(FontScaler, ScalesByWidthAcrossAndByLineHeightDownTruncatingTowardZero) {
    const FontScaler scale({6, 13}, {7, 16});
    EXPECT_EQ(116, scale.X(100)); // 700 / 6
    EXPECT_EQ(123, scale.Y(100)); // 1600 / 13
    EXPECT_EQ(-11, scale.X(-10)); // -70 / 6, toward zero
    EXPECT_EQ(0, scale.Y(0));
}

TEST(FontScaler, AFontThatCannotBeMeasuredLeavesValuesAsTheyAre) {
    EXPECT_EQ(100, FontScaler({0, 0}, {7, 16}).X(100));
    EXPECT_EQ(100, FontScaler({0, 0}, {7, 16}).Y(100));
    EXPECT_EQ(100, FontScaler({6, 13}, {0, 0}).X(100));
    EXPECT_EQ(100, FontScaler({6, 13}, {0, 0}).Y(100));
}

TEST(PageIcon, GrowsWithTheDisplaysDpiFrom32At96) {
    EXPECT_EQ(32, PageIconPixels(96));
    EXPECT_EQ(40, PageIconPixels(120));
    EXPECT_EQ(48, PageIconPixels(144));
    EXPECT_EQ(64, PageIconPixels(192));
    EXPECT_EQ(32, PageIconPixels(0)) << "a DPI that cannot be read";
}

TEST(FontScaler, MeasuresRealFontsAndNothingWithoutAContext) {
    fw::MemoryBitmapDC dc(8, 8);
    fw::CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "MS Sans Serif", dc));
    const FontMeasure measured = MeasureFont(dc, font);
    EXPECT_GT(measured.charWidth, 0);
    EXPECT_GT(measured.lineHeight, 0);
    const FontMeasure none = MeasureFont(nullptr, font);
    EXPECT_EQ(0, none.charWidth);
    EXPECT_EQ(0, none.lineHeight);
}

} // namespace
