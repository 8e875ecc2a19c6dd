#pragma once

#include <cstddef>
#include <cstdint>

// 32-bit little-endian words at any byte offset. Callers check that offset + 4 fits.
inline std::uint32_t readWordLe(const std::uint8_t* bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline void writeWordLe(std::uint8_t* bytes, std::size_t offset, std::uint32_t word) {
    bytes[offset] = static_cast<std::uint8_t>(word);
    bytes[offset + 1] = static_cast<std::uint8_t>(word >> 8);
    bytes[offset + 2] = static_cast<std::uint8_t>(word >> 16);
    bytes[offset + 3] = static_cast<std::uint8_t>(word >> 24);
}

// Whether a word at offset lies wholly inside a buffer of the given length.
inline bool wordFits(std::size_t offset, std::size_t length) {
    return offset <= length && length - offset >= 4;
}
