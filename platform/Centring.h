#pragma once

// Where something `size` long starts so that it sits in the middle of `room`
// (a screen, a drawing area): (room - size) / 2, or 0 when the room is not larger.
constexpr int Centred(int room, int size)
{
    return room > size ? (room - size) / 2 : 0;
}

// The main window's and the profile editor's rule: half the spare room, but all of
// it when half would be under one pixel, so a larger window starts above or left
// of the screen's edge by what it overhangs.
constexpr int CentredOrOverhang(int room, int size)
{
    const int spare = room - size;
    return spare / 2 > 0 ? spare / 2 : spare;
}

// A window's top edge, its frame's title bar included: never above the screen, so the
// title bar stays reachable however tall the window is.
constexpr int TopOnScreen(int top)
{
    return top < 0 ? 0 : top;
}
