#pragma once

#include <string>
#include <vector>

// Symbol lists are text files of "address name" lines after a header of "#" lines. The merge
// takes the entries of a reference list, in its order, with their addresses from a source list,
// giving a text the PRG3 library upload reads.

constexpr const char* ReferenceSymbolListName = "514lg4.lib";

// The text before the first blank; empty when the line has none or begins with one.
std::string symbolAddress(const std::string& line);

// The name the mod's tools have always matched by. With p the 1-based position of the first
// blank and q that of the first blank directly followed by "#" (each 0 when absent): the text
// from position p + 1, at most (length - q - 2) characters; empty when that count is below 1
// or p + 1 lies past the end. So "1A2B printf" gives "printf", and a line without blanks gives
// its text less the last two characters.
std::string symbolName(const std::string& line);

// The source's leading "#" lines, then for each reference entry (after the reference's own
// leading "#" lines) whose name some source line has, the first such source line's address,
// a blank and the name. All source lines are searched, header lines included. An empty name
// names no symbol and matches nothing.
std::vector<std::string> mergeSymbolLists(const std::vector<std::string>& reference,
                                          const std::vector<std::string>& source);

// The merged list is saved beside the chosen one: "list.txt" becomes "list.txt_".
inline std::string mergedListPath(const std::string& chosenPath) {
    return chosenPath + "_";
}
