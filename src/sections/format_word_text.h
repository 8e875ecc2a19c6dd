#pragma once

#include <cstdint>
#include <string>

// The text of the grid's "FW" column for a program's format and version word: the UFIF
// formats, the known firmware versions and the PRG formats by name, any other word as
// "%x.%x.%x/%x" of its bits 16-19, 12-15, 8-11 and 0-3.
std::string formatWordText(std::uint32_t formatWord);
