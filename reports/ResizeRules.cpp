#include "reports/ResizeRules.h"

#include "platform/AsciiText.h"
#include "platform/Paths.h"

#include <cstdio>

std::string ResizeResultPath(const std::string& sourcePath)
{
    return ReportsDir() + "_T_" + LastPathPart(sourcePath);
}

int ScaledSide(int side, int percent)
{
    const int scaled = static_cast<int>(static_cast<double>(side) * percent / 100.0);
    return scaled == 0 ? 1 : scaled;
}

std::string ResizeEncoderMime(const std::string& sourcePath)
{
    const std::string ending =
        LowerAscii(sourcePath.size() >= 4 ? sourcePath.substr(sourcePath.size() - 4) : sourcePath);
    if (ending == ".bmp")
        return "image/bmp";
    if (ending == ".gif")
        return "image/gif";
    if (ending == ".png")
        return "image/png";
    if (ending == ".tif")
        return "image/tiff";
    return "image/jpeg";
}

std::string SizePageBytes(int width, int height)
{
    char size[96];
    std::snprintf(size, sizeof size, "%d x %d pixels", width, height);
    return std::string("<html><head><title>2005</title></head>") +
           R"(<body bgcolor="white" text="white" link="white" vlink="white" alink="white" scroll="no" oncontextmenu="return false">)" +
           R"(<font color="navy" size="5" face="Verdana"><b>Size: <font color="black">)" + size + "</b></font>" +
           "</body></html>";
}
