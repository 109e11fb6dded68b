#include "reports/PrintLayout.h"

#include <cstdio>
#include <cstdlib>

bool HasRasterCapability(int rasterCaps)
{
    return (rasterCaps & RasterCapabilityMask) != 0;
}

InchSize FitImageToPage(int imageWidth, int imageHeight, double pageWidth, double pageHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0)
        return {};
    const double shorter = pageWidth > pageHeight ? pageHeight : pageWidth;
    if (imageWidth >= imageHeight)
        return {shorter, shorter * imageHeight / imageWidth};
    return {shorter * imageWidth / imageHeight, shorter};
}

double ShrinkToPrintable(double width, double height, double offX, double offY, double pageWidth, double pageHeight)
{
    double scale = 1.0;
    const double roomX = pageWidth - 2.0 * offX;
    const double roomY = pageHeight - 2.0 * offY;
    if (width > 0.0 && roomX > 0.0 && width > roomX)
        scale = roomX / width;
    if (height > 0.0 && roomY > 0.0 && height * scale > roomY)
        scale = roomY / height;
    return scale;
}

double ScaleOfPercent(int percent)
{
    return percent == 100 ? 1.0 : percent * 0.01;
}

double ToHundredths(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return std::strtod(text, nullptr);
}

std::vector<InchRect> CopyPlacements(double offX, double offY, double copyWidth, double copyHeight, double pageWidth,
                                     double pageHeight, bool tile)
{
    if (!tile)
        return {{offX, offY, copyWidth, copyHeight}};
    std::vector<InchRect> copies;
    if (copyWidth <= 0.0 || copyHeight <= 0.0)
        return copies;
    constexpr double gap = 0.03;
    const double right = pageWidth - offX;
    const double bottom = pageHeight - offY;
    // The first copy is always drawn, as without tiling; the edge rules apply to the next ones.
    for (double y = offY; y == offY || y + copyHeight <= bottom; y += copyHeight + gap) {
        for (double x = offX; (x == offX && y == offY) || x + copyWidth <= right; x += copyWidth + gap)
            copies.push_back({x, y, copyWidth, copyHeight});
    }
    return copies;
}

InchRect PhotoPlacement(double baseWidth, double baseHeight, bool adjust)
{
    if (!adjust || baseHeight <= 0.0)
        return {0.0, 0.0, 6.0, 4.0};
    double h = 4.0;
    double w = 4.0 * baseWidth / baseHeight;
    while (w > 6.0) {
        h -= 0.01;
        w = h * baseWidth / baseHeight;
    }
    return {0.17, 0.17, w, h};
}

std::vector<InchRect> ImagePrintPlacements(const InchSize& base, const ImagePrintChoice& choice, double offX,
                                           double offY, double pageWidth, double pageHeight)
{
    if (choice.photo4x6)
        return {PhotoPlacement(base.width, base.height, choice.adjustPhoto)};
    const double s = ScaleOfPercent(choice.percent);
    return CopyPlacements(offX, offY, s * base.width, s * base.height, pageWidth, pageHeight, choice.tile);
}

DailyPrintPage DailyPrintLayout(const std::vector<std::string>& lines, const std::vector<int>& readings, double offX,
                                double offY)
{
    DailyPrintPage page;
    for (std::size_t i = 0; i < lines.size() && i < 6; ++i)
        page.texts.push_back({lines[i], offX + 0.08, offY + 0.15 + 0.30 * static_cast<double>(i)});
    page.texts.push_back({"Other Day Readings", offX + 0.08, offY + 1.95});
    // The scale runs 0.033 inch to the point, and the bars follow it.
    page.texts.push_back({"100", offX + 0.08, offY + 2.25, true});
    for (int i = 1; i <= 9; ++i)
        page.texts.push_back({std::to_string(100 - 10 * i), offX + 0.16, offY + 2.25 + 0.33 * i, true});
    page.texts.push_back({"0", offX + 0.24, offY + 5.55, true});
    const char* labels[] = {"Emotional", "Physical", "Intellectual", "Intuition", "Fortune"};
    const double labelX[] = {0.48, 1.41, 2.19, 3.00, 3.85};
    for (int i = 0; i < 5; ++i)
        page.texts.push_back({labels[i], offX + labelX[i], offY + 5.6});

    page.lines.push_back({offX + 0.45, offY + 2.25, offX + 0.45, offY + 5.55, 0.05});
    page.lines.push_back({offX + 0.425, offY + 5.55, offX + 5.42, offY + 5.55, 0.05});
    const double barX[] = {0.88, 1.68, 2.48, 3.28, 4.08};
    for (std::size_t i = 0; i < readings.size() && i < 5; ++i)
        page.lines.push_back({offX + barX[i], offY + 5.55, offX + barX[i], offY + 5.55 - 0.033 * readings[i], 0.25});
    return page;
}
