#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// File offset P of the first segment of an ELF image, where a program's UFIF header sits.
// E, the program-header-table offset, is the word at 28; a table that starts beyond byte 120
// would not fit in a 128-byte section header, so P is then taken as 0. Otherwise P is the
// offset field of the first program header, the word at E + 4.
// Returns nullopt when a word it needs does not lie wholly within the first length bytes.
// The caller has already checked the ELF magic at offset 0.
std::optional<std::uint32_t> elfFirstSegmentOffset(const std::uint8_t* image, std::size_t length);
