#pragma once

// Where the saved report viewer draws a picture in its 800 x 600 area.
struct ViewerPlacement {
    bool draw = false;  // false for a picture without pixels
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A picture higher than 600 is brought to height 600, then, keeping its proportions,
// lowered a pixel at a time until it is at most 800 wide; a smaller one keeps its size.
// The offsets centre it, less 3 across and 15 down when there is room to spare.
ViewerPlacement PlaceInViewer(int imageWidth, int imageHeight);

// The viewer window's top-left corner on a screen of the given size.
struct ViewerOrigin {
    int x = 0;
    int y = 0;
};
ViewerOrigin ViewerWindowOrigin(int screenWidth, int screenHeight);
