#pragma once

// Where something `size` long starts so that it sits in the middle of `room`
// (a screen, a drawing area): (room - size) / 2, or 0 when the room is not larger.
constexpr int Centred(int room, int size)
{
    return room > size ? (room - size) / 2 : 0;
}
