#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes that follow their offsets, so that a shifted or cut copy does not compare equal.
inline std::vector<std::uint8_t> numberedBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}
