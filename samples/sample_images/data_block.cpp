#include "sample_images/data_block.h"

#include <string_view>

ByteImage buildDataBlock(std::size_t size) {
    constexpr std::string_view Record = "Notes: call Lena at 19:30, buy batteries.";
    ByteImage image;
    appendBytes(image, Record.substr(0, size));
    std::uint32_t state = 0x2A17;
    while (image.size() < size) {
        state = state * 1103515245u + 12345u;
        image.push_back(static_cast<std::uint8_t>(state >> 16));
    }
    return image;
}
