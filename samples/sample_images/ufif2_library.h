#pragma once

#include "sample_images/byte_image.h"

#include <cstddef>
#include <cstdint>

// The UFIF2 extension library starts with "LIB" and a non-blank fourth byte, followed here by a
// version word, the number of functions and a table of their offsets, then the code.
constexpr char Ufif2LibraryMagic[] = "LIB2";

// A UFIF2 library of exactly `size` bytes (grown to hold its header and table when smaller).
ByteImage buildUfif2Library(std::uint32_t version, std::uint32_t functionCount, std::size_t size);
