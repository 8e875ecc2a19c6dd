#pragma once

#include <string>

// The text samples, every line ended by CR LF as the Windows tools write them.

// The firmware's symbol list: "#" header lines, then "ADDRESS name" lines, address in hex.
std::string buildSymbolListText();

// The reference list "514lg4.lib", in the same form.
std::string buildReferenceListText();

// The PRG3 library text: "#" comment lines, the "RELEASE=" line, then one "ADDRESS name" line
// per library entry.
std::string buildPrg3LibraryText();
