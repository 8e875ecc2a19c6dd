#pragma once

#include "sample_images/byte_image.h"

#include <array>
#include <cstdint>
#include <vector>

using RgbColour = std::array<std::uint8_t, 3>;

// An indexed-colour picture: one palette index per pixel, row by row from the top left.
struct IndexedPicture {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<RgbColour> palette; // 2 to 256 colours
    std::vector<std::uint8_t> pixels;
};

// A GIF89a file holding the picture as one image with a global colour table. The table is
// padded with black to a power of two; pixels beyond width * height are ignored, missing ones
// are colour 0.
ByteImage encodeGif(const IndexedPicture& picture);

// A 32x32 smiley in four colours.
IndexedPicture smileyPicture();
ByteImage buildSmileyGif();
