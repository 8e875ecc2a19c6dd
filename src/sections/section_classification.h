#pragma once

#include "sections/section_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Size of the section header that a probe reads and classifies.
constexpr int SectionHeaderSize = 128;

// What the first bytes of a section say about its content.
struct SectionClassification {
    SectionKind kind = SectionKind::Other;
    std::string caption;                     // UTF-8
    std::optional<std::uint32_t> formatWord; // set for programs only; other kinds keep the old one
};

// Recognises the content of a section from its header. The buffer must have been zeroed before
// the read, so that bytes past readCount are zero; readCount is what the read returned and only
// decides whether a PRG3 library header was read far enough to be believed.
SectionClassification
classifySectionHeader(const std::array<std::uint8_t, SectionHeaderSize>& header, int readCount);
