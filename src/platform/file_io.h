#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The first bytes of a file, up to a limit, and the whole file's length.
struct FilePrefix {
    Bytes bytes;
    std::uint64_t fileLength = 0;
};

// Reads at most maxBytes from the start of the file. Raises "Cannot open file <path>".
FilePrefix readFilePrefix(const std::string& path, std::size_t maxBytes);

// Creates (or replaces) the file with exactly these bytes. Raises "Cannot create file <path>".
void writeFileBytes(const std::string& path, const std::uint8_t* data, std::size_t length);

// A text file as lines; a line ends at CR, LF or CR LF. Raises "Cannot open file <path>".
std::vector<std::string> readTextLines(const std::string& path);

// Splits a text into lines the same way.
std::vector<std::string> splitTextLines(const std::string& text);

// Creates (or replaces) the file, each line ending in CR LF. Raises "Cannot create file <path>".
void writeTextLinesCrlf(const std::string& path, const std::vector<std::string>& lines);

extern const char* const CannotOpenFileText;   // "Cannot open file %s"
extern const char* const CannotCreateFileText; // "Cannot create file %s"
