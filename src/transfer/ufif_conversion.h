#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Where a UFIF 2.0 program's header starts: 0 for a raw UFIF image, the first segment's
// offset for an ELF image whose first segment begins with the UFIF 2.0 word; nullopt for
// anything else, or when a word the test needs lies beyond the image's n bytes.
std::optional<std::size_t> isUfif20Image(const std::uint8_t* image, std::size_t n);

// The firmware a program is relocated for, taken from a firmware target text such as
// "0x37BDD8 - Z7 4.5.6/4".
struct FirmwareTarget {
    std::uint32_t base = 0; // load address of programs on that firmware
    bool z7 = false;        // the Z7 needs its own value of one model-dependent word
};

// The base is the text before the first blank, read by the integer text rule; it raises
// "'<that text>' is not a valid integer value" when it is not a number (also when the text has
// no blank at all, which leaves an empty text). The model code is the two characters after the
// first " - ", or the third and fourth characters of a text without one.
FirmwareTarget parseFirmwareTarget(const std::string& text);

// Turns the UFIF 2.0 image of n bytes, with its UFIF header at h, into a UFIF 2.1 image for
// the target, in place: raises the minor version and moves the known address words from the
// old base to the target's base. Nothing at or beyond byte n is read or written.
void convertToUfif21(std::uint8_t* image, std::size_t n, std::size_t h,
                     const FirmwareTarget& target);
