#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// One line of a symbol list: an address in the firmware and the name of what lies there.
struct SymbolEntry {
    std::uint32_t address;
    std::string_view name;
};

// The firmware's symbol list, in address order.
const std::vector<SymbolEntry>& firmwareSymbols();

// The reference list "514lg4.lib": the names in the order the PRG3 library keeps them, with the
// addresses of the older firmware it was made for. Some of its names the firmware lacks.
const std::vector<SymbolEntry>& referenceSymbols();

// What merging the firmware list into the reference order gives: each reference name that the
// firmware list holds, in reference order, with the firmware's address.
std::vector<SymbolEntry> prg3LibraryEntries();

// The release number of the PRG3 library built from those entries.
constexpr std::uint32_t Prg3LibraryRelease = 3;

// The addresses of the entries in order: the words a PRG3 library keeps for them.
std::vector<std::uint32_t> addressesOf(const std::vector<SymbolEntry>& entries);
