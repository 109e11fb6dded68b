#include "platform/Paths.h"
#include "reports/ResizeRules.h"
#include "reports/ViewerPlacement.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

TEST(Resize, SidesAreTruncatedAndAtLeastOne)
{
    struct Case {
        int width, height, percent, newWidth, newHeight;
    };
    const Case cases[] = {
        {1200, 900, 50, 600, 450},   {1200, 900, 1, 12, 9},    {150, 99, 1, 1, 1},
        {1200, 900, 100, 1200, 900}, {780, 550, 33, 257, 181}, {3, 3, 29, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaledSide(c.width, c.percent), c.newWidth) << c.width << " at " << c.percent;
        EXPECT_EQ(ScaledSide(c.height, c.percent), c.newHeight) << c.height << " at " << c.percent;
    }
}

TEST(Resize, EncoderFollowsTheLastFourCharacters)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/a/r.PNG", "image/png"},  {"/a/r.bmp", "image/bmp"},   {"/a/r.Gif", "image/gif"},
        {"/a/r.tif", "image/tiff"}, {"/a/r.tiff", "image/jpeg"}, {"/a/r.jpeg", "image/jpeg"},
        {"/a/r.jpg", "image/jpeg"}, {"png", "image/jpeg"},
    };
    for (const auto& [path, mime] : cases)
        EXPECT_EQ(ResizeEncoderMime(path), mime) << path;
}

TEST(Resize, ResultIsInTheReportsFolderWithAPrefix)
{
    TempEnvironment env;
    EXPECT_EQ(ResizeResultPath("/elsewhere/deep/photo.jpeg"), ReportsDir() + "_T_photo.jpeg");
    EXPECT_EQ(ResizeResultPath(ReportsDir() + "Ann.jpg"), ReportsDir() + "_T_Ann.jpg");
}

TEST(Resize, SizePageBytes)
{
    EXPECT_EQ(SizePageBytes(600, 450),
              "<html><head><title>2005</title></head>"
              "<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" "
              "scroll=\"no\" oncontextmenu=\"return false\">"
              "<font color=\"navy\" size=\"5\" face=\"Verdana\"><b>Size: <font color=\"black\">600 x 450 "
              "pixels</b></font></body></html>");
}

TEST(Viewer, PlacementFitsTheArea)
{
    struct Case {
        int iw, ih;
        bool draw;
        int x, y, width, height;
    };
    const Case cases[] = {
        {800, 600, true, 0, 0, 800, 600},      // natural size, no offsets
        {1600, 800, true, 0, 85, 800, 400},    // height first, then width
        {400, 300, true, 197, 135, 400, 300},  // centred less 3 and 15
        {1000, 500, true, 0, 85, 800, 400},    // too wide only
        {0, 0, false, 0, 0, 0, 0},             // not a picture
        {780, 550, true, 7, 10, 780, 550},     // small margins are not reduced further
        {300, 1200, true, 322, 0, 150, 600},
    };
    for (const Case& c : cases) {
        const ViewerPlacement p = PlaceInViewer(c.iw, c.ih);
        EXPECT_EQ(p.draw, c.draw) << c.iw << "x" << c.ih;
        if (!c.draw)
            continue;
        EXPECT_EQ(p.x, c.x) << c.iw << "x" << c.ih;
        EXPECT_EQ(p.y, c.y) << c.iw << "x" << c.ih;
        EXPECT_EQ(p.width, c.width) << c.iw << "x" << c.ih;
        EXPECT_EQ(p.height, c.height) << c.iw << "x" << c.ih;
    }
}

TEST(Viewer, WindowOrigin)
{
    EXPECT_EQ(ViewerWindowOrigin(1024, 768).x, 112);
    EXPECT_EQ(ViewerWindowOrigin(1024, 768).y, 84);
    EXPECT_EQ(ViewerWindowOrigin(640, 480).x, -160);  // the full difference when narrower
    EXPECT_EQ(ViewerWindowOrigin(640, 480).y, 0);     // the title bar stays on the screen
    EXPECT_EQ(ViewerWindowOrigin(801, 601).y, 0);
}
