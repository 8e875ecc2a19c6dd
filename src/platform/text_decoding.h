#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Program names in headers are 8-bit text in Windows-1251, the character set of the grid's
// font; the ringer's name is UTF-16LE. Both are turned into UTF-8 for display.
std::string decodeWindows1251(const std::uint8_t* bytes, std::size_t length);

// Decodes UTF-16LE from the given bytes up to the first zero unit or maxUnits units, whichever
// comes first. Unpaired surrogates become U+FFFD.
std::string decodeUtf16Le(const std::uint8_t* bytes, std::size_t maxUnits);

// Appends the UTF-8 form of one code point.
void appendUtf8(std::string& out, char32_t codePoint);

// The character that starts at byte `at` of a text read from a file, as UTF-8: the whole
// UTF-8 sequence when one starts there, or else that one byte read as Windows-1251. Empty when
// `at` lies at or past the end.
std::string characterAt(const std::string& text, std::size_t at);
