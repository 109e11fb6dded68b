#include "reports/PrintLayout.h"

#include <gtest/gtest.h>

TEST(PrintLayout, RasterRuleNeedsOneOfTheImageBits)
{
    EXPECT_FALSE(HasRasterCapability(0));
    EXPECT_FALSE(HasRasterCapability(0x0002 | 0x0010 | 0x0040 | 0x1000 | 0x4000));  // none of the mask
    for (int bit : {0x0001, 0x0004, 0x0008, 0x0080, 0x0100, 0x0200, 0x0800, 0x2000})
        EXPECT_TRUE(HasRasterCapability(bit)) << bit;
}

TEST(PrintLayout, FitGivesTheLongerSideThePagesShorterSide)
{
    const InchSize landscape = FitImageToPage(800, 600, 8.0, 10.5);
    EXPECT_DOUBLE_EQ(landscape.width, 8.0);
    EXPECT_DOUBLE_EQ(landscape.height, 6.0);
    const InchSize portrait = FitImageToPage(600, 800, 10.5, 8.0);  // landscape page: shorter side is the height
    EXPECT_DOUBLE_EQ(portrait.height, 8.0);
    EXPECT_DOUBLE_EQ(portrait.width, 6.0);
    const InchSize empty = FitImageToPage(0, 600, 8.0, 10.5);
    EXPECT_EQ(empty.width, 0.0);
}

TEST(PrintLayout, PercentScalesOneCopyAtTheOffsets)
{
    const InchSize base{8.0, 6.0};
    const auto copies = ImagePrintPlacements(base, {50, false, false, false}, 0.25, 0.2, 8.0, 10.5);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_DOUBLE_EQ(copies[0].x, 0.25);
    EXPECT_DOUBLE_EQ(copies[0].y, 0.2);
    EXPECT_DOUBLE_EQ(copies[0].width, 4.0);
    EXPECT_DOUBLE_EQ(copies[0].height, 3.0);
    EXPECT_EQ(ScaleOfPercent(100), 1.0);
    EXPECT_DOUBLE_EQ(ScaleOfPercent(81), 0.81);
}

TEST(PrintLayout, TilesFillRowsWithGapsAndStopAtTheEdges)
{
    const InchSize base{8.0, 6.0};
    // offX 0: the second copy ends at 8.03 > 8.0, so each row holds one copy.
    auto copies = ImagePrintPlacements(base, {50, true, false, false}, 0.0, 0.0, 8.0, 10.5);
    ASSERT_EQ(copies.size(), 3u);  // rows at 0, 3.03, 6.06; the fourth would end at 12.09
    EXPECT_DOUBLE_EQ(copies[1].x, 0.0);
    EXPECT_DOUBLE_EQ(copies[1].y, 3.03);
    EXPECT_DOUBLE_EQ(copies[2].y, 6.06);

    // A wider page holds the second copy at offX + 4.03.
    copies = ImagePrintPlacements(base, {50, true, false, false}, 0.1, 0.1, 8.5, 6.0);
    ASSERT_EQ(copies.size(), 2u);  // the second row would end at 6.13 > 5.9
    EXPECT_DOUBLE_EQ(copies[1].x, 0.1 + 4.03);
    EXPECT_DOUBLE_EQ(copies[1].y, 0.1);

    // Small copies: 3 across (3 x 2.4 + 2 x 0.03 = 7.26 <= 8), 4 down (4 x 1.8 + 3 x 0.03 = 7.29 <= 8).
    copies = CopyPlacements(0.0, 0.0, 2.4, 1.8, 8.0, 8.0, true);
    EXPECT_EQ(copies.size(), 12u);

    // A first copy wider than the printable room is still printed once.
    copies = CopyPlacements(0.25, 0.25, 7.92, 5.94, 8.0, 10.5, true);
    ASSERT_EQ(copies.size(), 1u);
}

TEST(PrintLayout, PhotoSheet)
{
    // Yes: 800 x 480 starts at w 6.67 and shrinks h until w <= 6.
    const InchRect yes = PhotoPlacement(8.0, 4.8, true);
    EXPECT_NEAR(yes.height, 3.6, 0.011);
    EXPECT_LE(yes.width, 6.0);
    EXPECT_GT(yes.width, 5.98);
    EXPECT_DOUBLE_EQ(yes.x, 0.17);
    EXPECT_DOUBLE_EQ(yes.y, 0.17);
    // A narrow image keeps h 4.
    EXPECT_DOUBLE_EQ(PhotoPlacement(6.0, 8.0, true).height, 4.0);

    // No: always 6 x 4 at the origin, whatever the proportions and offsets.
    for (const InchSize base : {InchSize{8.0, 4.8}, InchSize{6.0, 8.0}}) {
        const auto copies = ImagePrintPlacements(base, {81, true, true, false}, 0.3, 0.3, 8.0, 10.5);
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(copies[0].x, 0.0);
        EXPECT_EQ(copies[0].y, 0.0);
        EXPECT_EQ(copies[0].width, 6.0);
        EXPECT_EQ(copies[0].height, 4.0);
    }
}

TEST(PrintLayout, DailyReportPositions)
{
    const std::vector<std::string> lines{"T", "Z", "S", "D", "E", "L"};
    const DailyPrintPage page = DailyPrintLayout(lines, {99, 99, 99, 99, 3}, 0.5, 0.25);
    ASSERT_EQ(page.texts.size(), 6u + 1 + 1 + 9 + 1 + 5);
    EXPECT_DOUBLE_EQ(page.texts[0].y, 0.40);
    EXPECT_DOUBLE_EQ(page.texts[5].x, 0.58);
    EXPECT_NEAR(page.texts[5].y, 1.90, 1e-9);  // lottery line at 1.65
    EXPECT_EQ(page.texts[6].text, "Other Day Readings");
    EXPECT_EQ(page.texts[16].text, "10");
    EXPECT_NEAR(page.texts[16].y, 0.25 + 5.22, 1e-9);
    EXPECT_EQ(page.texts[17].text, "0");
    EXPECT_EQ(page.texts[21].text, "Intuition");
    EXPECT_DOUBLE_EQ(page.texts[21].x, 3.5);

    ASSERT_EQ(page.lines.size(), 7u);
    const PrintLine& bar = page.lines[2];
    EXPECT_DOUBLE_EQ(bar.x1, 0.5 + 0.88);
    EXPECT_NEAR(bar.y1 - bar.y2, 3.267, 1e-9);  // 0.033 inch to the point, as the labels
    EXPECT_DOUBLE_EQ(bar.width, 0.25);
    EXPECT_NEAR(page.lines[6].y1 - page.lines[6].y2, 0.099, 1e-9);
}

TEST(PrintLayout, HundredthsAsShown)
{
    EXPECT_DOUBLE_EQ(ToHundredths(6.666), 6.67);
    EXPECT_DOUBLE_EQ(ToHundredths(4.0), 4.0);
    EXPECT_DOUBLE_EQ(ToHundredths(0.81 * 6.0), 4.86);
}

TEST(PrintLayout, PicturesShrinkIntoThePrintableAreaKeepingTheLeftMargin)
{
    struct Row {
        double width, height, offX, offY, pageWidth, pageHeight, scale;
    };
    const Row rows[] = {
        {8.0, 4.8, 0.0, 0.0, 8.0, 10.5, 1.0},          // no margins: the fit already fills the width
        {7.5, 4.5, 0.25, 0.25, 8.0, 10.5, 1.0},        // exactly the room between the margins
        {8.0, 4.8, 0.25, 0.25, 8.0, 10.5, 0.9375},     // the hourly picture on a printer with margins
        {4.0, 6.0, 0.5, 0.5, 10.0, 5.0, 4.0 / 6.0},    // too tall on a landscape page
        {5.42, 5.72, 0.2, 0.2, 5.0, 7.0, 4.6 / 5.42},  // the daily report on a small page
        {0.0, 0.0, 0.25, 0.25, 8.0, 10.5, 1.0},
    };
    for (const Row& row : rows) {
        const double scale =
            ShrinkToPrintable(row.width, row.height, row.offX, row.offY, row.pageWidth, row.pageHeight);
        EXPECT_NEAR(scale, row.scale, 1e-9) << row.width << " x " << row.height;
        EXPECT_LE(row.offX + row.width * scale, row.pageWidth - row.offX + 1e-9);
        EXPECT_LE(row.offY + row.height * scale, row.pageHeight - row.offY + 1e-9);
    }
}
