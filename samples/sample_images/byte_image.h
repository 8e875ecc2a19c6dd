#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// A section's or a file's content, byte for byte.
using ByteImage = std::vector<std::uint8_t>;

// Appends a 32-bit word, least significant byte first.
void appendWord(ByteImage& image, std::uint32_t word);

// Appends a 16-bit unit, least significant byte first.
void appendHalfWord(ByteImage& image, std::uint16_t unit);

// Appends raw bytes (8-bit text is appended as it is, without conversion).
void appendBytes(ByteImage& image, std::string_view bytes);

// Appends a fixed-size text field: the text cut to the field, then zero bytes up to its end.
void appendTextField(ByteImage& image, std::string_view text, std::size_t fieldSize);

// The word at an offset, or 0 when it does not lie wholly inside the image.
std::uint32_t wordAt(const ByteImage& image, std::size_t offset);

// Creates (or replaces) the file with exactly the image's bytes; false when it cannot be written.
bool writeByteImage(const std::filesystem::path& path, const ByteImage& image);
