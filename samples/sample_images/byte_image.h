#pragma once

#include <cstddef>
#include <cstdint>
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

// Stores a word at an offset; the image grows with zeros when the word lies past its end.
void putWord(ByteImage& image, std::size_t offset, std::uint32_t word);

// The word at an offset, or 0 when it does not lie wholly inside the image.
std::uint32_t wordAt(const ByteImage& image, std::size_t offset);
