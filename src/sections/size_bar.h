#pragma once

#include <cstdint>

enum class SizeBarColour { Blue, Red };

// How a slot's size bar is coloured and which size fills its frame.
struct SizeBarScale {
    SizeBarColour colour = SizeBarColour::Blue;
    std::int32_t fullScale = 0; // bytes that fill the frame exactly
};

// Programs up to 21504 bytes fit a big slot and show blue against that limit; anything larger
// shows red against 64 KiB. Small slots are measured against their 2048 bytes, red only past
// 21504, so an oversized small section runs far past its frame.
SizeBarScale sizeBarScale(bool smallSlot, std::int32_t size);

// The bar's right edge (exclusive) over a frame interior that starts at innerLeft and is
// innerWidth pixels wide: trunc(innerWidth / fullScale * size + innerLeft), in double. The bar is
// not stopped at the frame; the edge is only kept within [innerLeft, limit], where limit is the
// end of the cell that is drawn anyway, so that huge sizes stay a valid pixel coordinate.
int sizeBarRight(int innerLeft, int innerWidth, std::int32_t fullScale, std::int32_t size,
                 int limit);
