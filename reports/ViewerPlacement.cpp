#include "reports/ViewerPlacement.h"

namespace {
constexpr int AreaWidth = 800;
constexpr int AreaHeight = 600;
}

ViewerPlacement PlaceInViewer(int imageWidth, int imageHeight)
{
    ViewerPlacement placement;
    if (imageWidth <= 0 || imageHeight <= 0)
        return placement;
    const double ratio = static_cast<double>(imageWidth) / imageHeight;
    int height = imageHeight;
    int width = imageWidth;
    if (imageHeight > AreaHeight || imageWidth > AreaWidth) {
        if (imageHeight > AreaHeight)
            height = AreaHeight;
        width = static_cast<int>(height * ratio);
        while (width > AreaWidth) {
            --height;
            width = static_cast<int>(height * ratio);
        }
    }
    int x = 0;
    if (width < AreaWidth) {
        x = (AreaWidth - width) / 2;
        if (x > 2)
            x -= 3;
    }
    int y = 0;
    if (height < AreaHeight) {
        y = (AreaHeight - height) / 2;
        if (y > 22)
            y -= 15;
    }
    placement.draw = width > 0 && height > 0;
    placement.x = x;
    placement.y = y;
    placement.width = width;
    placement.height = height;
    return placement;
}

ViewerOrigin ViewerWindowOrigin(int screenWidth, int screenHeight)
{
    int x = screenWidth - AreaWidth;
    if (x > 0)
        x /= 2;
    int y = screenHeight - AreaHeight;
    if (y >= 1)
        y /= 2;
    return {x, y};
}
