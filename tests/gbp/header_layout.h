#pragma once

#include "sample_images/byte_image.h"

#include <cstdint>
#include <string>

// How the manager's probe reads the first 128 bytes of a section, restated independently here
// so the images can be checked against the layouts they are meant to match.
enum class HeaderKind { Elf, Prg3, Prg35, Ufif, Ufif2Library, Gif, Ringer, Prg3Library, Data };

struct HeaderReading {
    HeaderKind kind = HeaderKind::Data;
    std::uint32_t formatWord = 0; // programs only
    std::string name;             // programs: the 8-bit name field; ringers: the UTF-16 units
                                  // narrowed to bytes (the samples' ringer names are ASCII)
};

// Reads the header as the probe does after a read of min(128, size) bytes.
HeaderReading readHeader(const ByteImage& image);

const char* headerKindName(HeaderKind kind);
