#include "reports/ViewerPlacement.h"

#include "platform/Centring.h"

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
    int x = Centred(AreaWidth, width);
    if (x > 2)
        x -= 3;
    int y = Centred(AreaHeight, height);
    if (y > 22)
        y -= 15;
    placement.draw = width > 0 && height > 0;
    placement.x = x;
    placement.y = y;
    placement.width = width;
    placement.height = height;
    return placement;
}

ViewerOrigin ViewerWindowOrigin(int screenWidth, int screenHeight)
{
    // A screen smaller than the viewer puts it the full difference to the left; never
    // above the screen, where its title bar could not be reached.
    const auto place = [](int screen, int area) { return screen > area ? Centred(screen, area) : screen - area; };
    return {place(screenWidth, AreaWidth), TopOnScreen(place(screenHeight, AreaHeight))};
}
