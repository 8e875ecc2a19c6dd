#include "sample_images/gif_picture.h"

#include "sample_images/gif_lzw.h"

#include <algorithm>

namespace {

constexpr std::size_t MaxSubBlock = 255;

// Bits per palette index: the table has 1 << bits entries, at least 2 of them.
int paletteBits(std::size_t colours) {
    int bits = 1;
    while (bits < 8 && (std::size_t{1} << bits) < colours)
        ++bits;
    return bits;
}

void appendSubBlocks(ByteImage& image, const ByteImage& data) {
    for (std::size_t offset = 0; offset < data.size(); offset += MaxSubBlock) {
        const std::size_t count = std::min(MaxSubBlock, data.size() - offset);
        image.push_back(static_cast<std::uint8_t>(count));
        image.insert(image.end(), data.begin() + static_cast<long>(offset),
                     data.begin() + static_cast<long>(offset + count));
    }
    image.push_back(0); // block terminator
}

} // namespace

ByteImage encodeGif(const IndexedPicture& picture) {
    const int bits = paletteBits(picture.palette.size());
    const std::size_t tableSize = std::size_t{1} << bits;
    const std::size_t pixelCount = std::size_t{picture.width} * picture.height;
    std::vector<std::uint8_t> indices(pixelCount, 0);
    std::copy_n(picture.pixels.begin(), std::min(pixelCount, picture.pixels.size()),
                indices.begin());
    for (std::uint8_t& index : indices)
        if (index >= tableSize)
            index = 0;

    ByteImage image;
    appendBytes(image, "GIF89a");
    // Logical screen: size, global table present with 8-bit colour resolution, background 0.
    appendHalfWord(image, picture.width);
    appendHalfWord(image, picture.height);
    image.push_back(static_cast<std::uint8_t>(0x80 | 0x70 | (bits - 1)));
    image.push_back(0);
    image.push_back(0);
    for (std::size_t i = 0; i < tableSize; ++i) {
        const RgbColour colour = i < picture.palette.size() ? picture.palette[i] : RgbColour{};
        image.insert(image.end(), colour.begin(), colour.end());
    }
    // One image covering the screen, not interlaced, no local table.
    image.push_back(0x2C);
    appendHalfWord(image, 0);
    appendHalfWord(image, 0);
    appendHalfWord(image, picture.width);
    appendHalfWord(image, picture.height);
    image.push_back(0);
    const int minCodeSize = std::max(2, bits);
    image.push_back(static_cast<std::uint8_t>(minCodeSize));
    appendSubBlocks(image, lzwEncode(indices, minCodeSize));
    image.push_back(0x3B); // trailer
    return image;
}

IndexedPicture smileyPicture() {
    enum : std::uint8_t { Background, Face, Ink, Mouth };
    IndexedPicture picture;
    picture.width = 32;
    picture.height = 32;
    picture.palette = {
        {0xFF, 0xFF, 0xFF}, {0xFF, 0xD7, 0x00}, {0x00, 0x00, 0x00}, {0xD0, 0x20, 0x20}};
    picture.pixels.resize(32 * 32);
    // Distances are measured in half pixels from pixel centres, so everything stays integral.
    const auto squared = [](int x, int y, int cx, int cy) {
        return (2 * x + 1 - cx) * (2 * x + 1 - cx) + (2 * y + 1 - cy) * (2 * y + 1 - cy);
    };
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int fromCentre = squared(x, y, 32, 32);
            const int fromMouthCentre = squared(x, y, 32, 30);
            std::uint8_t colour = Background;
            if (fromCentre <= 29 * 29)
                colour = fromCentre > 26 * 26 ? Ink : Face;
            if (squared(x, y, 22, 24) <= 5 * 5 || squared(x, y, 42, 24) <= 5 * 5)
                colour = Ink;
            if (2 * y + 1 > 40 && fromMouthCentre >= 15 * 15 && fromMouthCentre <= 19 * 19)
                colour = Mouth;
            picture.pixels[static_cast<std::size_t>(y * 32 + x)] = colour;
        }
    }
    return picture;
}

ByteImage buildSmileyGif() {
    return encodeGif(smileyPicture());
}
