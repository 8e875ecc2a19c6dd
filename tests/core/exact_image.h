#pragma once

#include "platform/little_endian.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

struct ImageWord {
    std::size_t at;
    std::uint32_t value;
};

// An image of exactly n bytes holding the words in order, a later word over an earlier one; a
// word that runs past the end keeps only its leading bytes. The image is a buffer of its own of
// exactly n bytes, so that any access past its end shows under ASan.
inline std::vector<std::uint8_t> exactImage(std::size_t n, const std::vector<ImageWord>& words) {
    std::size_t room = n;
    for (const ImageWord& word : words)
        room = std::max(room, word.at + 4);
    std::vector<std::uint8_t> scratch(room);
    for (const ImageWord& word : words)
        writeWordLe(scratch.data(), word.at, word.value);
    return std::vector<std::uint8_t>(scratch.begin(),
                                     scratch.begin() + static_cast<std::ptrdiff_t>(n));
}
