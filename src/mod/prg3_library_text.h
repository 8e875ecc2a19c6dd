#pragma once

#include "platform/file_io.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The PRG3 library goes into section 2-16 as a plain table of 32-bit words built from a text
// file: one word per usable line, a release line ("RELEASE=3") or an entry line ("1A2B printf").

constexpr int Prg3LibraryGroup = 2;
constexpr int Prg3LibrarySlot = 16;
constexpr std::size_t MaxPrg3LibraryWords = 512; // 2048 bytes in the section

extern const char* const ReleaseMarker; // "RELEASE="

struct Prg3LibraryImage {
    // At most MaxPrg3LibraryWords + 1 words: reading stops at the first word too many.
    std::vector<std::uint32_t> words;
    bool tooBig = false;
};

// The word one line gives, or nullopt for a line that gives none. A release line whose
// character after the first "=" is not a digit raises "'<char>' is not a valid integer value"
// (with nothing between the quotes when the line ends at that "=").
std::optional<std::uint32_t> prg3LineWord(const std::string& line);

// The words of the lines in order. Stops with tooBig set as soon as a word beyond
// MaxPrg3LibraryWords appears, so lines after it are not read at all. A bad release line before
// that point raises as prg3LineWord does.
Prg3LibraryImage buildPrg3LibraryImage(const std::vector<std::string>& lines);

// The words as stored in the section: 4 bytes each, least significant byte first.
Bytes prg3LibraryBytes(const std::vector<std::uint32_t>& words);
