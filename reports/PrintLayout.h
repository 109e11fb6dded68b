#pragma once

#include <string>
#include <vector>

// Print arithmetic in inches, free of any printer: the image fit, copies in rows,
// the 4 x 6 photo sheet and the black-and-white daily report's positions.

struct InchRect {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// The raster capability bits a printer must have one of (BITBLT, SCALING, BITMAP64,
// DI_BITMAP, PALETTE, DIBTODEV, STRETCHBLT, STRETCHDIB).
inline constexpr int RasterCapabilityMask = 0x2B8D;
bool HasRasterCapability(int rasterCaps);

struct InchSize {
    double width = 0.0;
    double height = 0.0;
};

// The image's longer side gets the page's shorter printable side; the other keeps
// the proportions. Zero when the image is empty.
InchSize FitImageToPage(int imageWidth, int imageHeight, double pageWidth, double pageHeight);

// The factor (at most 1) that keeps a picture of width x height, drawn at (offX, offY),
// within pageWidth - offX and pageHeight - offY: the printable area with the same
// margin on the far sides. A printer clips whatever goes past its printable edge.
double ShrinkToPrintable(double width, double height, double offX, double offY, double pageWidth, double pageHeight);

// 1.0 at 100, else percent x 0.01.
double ScaleOfPercent(int percent);

// A value as "%.2f" shows it, read back.
double ToHundredths(double value);

// One copy at (offX, offY), or with `tile` as many as fit in rows with 0.03-inch
// gaps, each within pageWidth - offX and pageHeight - offY.
std::vector<InchRect> CopyPlacements(double offX, double offY, double copyWidth, double copyHeight, double pageWidth,
                                     double pageHeight, bool tile);

// The 4 x 6 photo sheet. With `adjust` the width follows the image's proportions,
// the height shrinking by 0.01 until the width is at most 6 inches, at (0.17, 0.17);
// without it the image is stretched to 6 x 4 at the origin.
InchRect PhotoPlacement(double baseWidth, double baseHeight, bool adjust);

struct ImagePrintChoice {
    int percent = 100;
    bool tile = false;
    bool photo4x6 = false;
    bool adjustPhoto = false;  // the answer to the width question
};

// Every copy of an image print: `base` is the fitted size, pageWidth/pageHeight the
// printable size, offX/offY the physical offsets.
std::vector<InchRect> ImagePrintPlacements(const InchSize& base, const ImagePrintChoice& choice, double offX,
                                           double offY, double pageWidth, double pageHeight);

// The black-and-white daily report, relative to the physical offsets.
struct PrintText {
    std::string text;
    double x;
    double y;
    bool onLine = false;  // a scale label: y is the line its figures' middle sits on
};
struct PrintLine {
    double x1, y1, x2, y2;
    double width;
};
struct DailyPrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintLine> lines;  // two axes, then the five bars
};
inline constexpr double DailyPrintTextHeight = 0.12;

// `lines` are the title and the five reading texts in report order; readings in cycle order.
DailyPrintPage DailyPrintLayout(const std::vector<std::string>& lines, const std::vector<int>& readings, double offX,
                                double offY);
