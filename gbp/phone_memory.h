#pragma once

#include "section_file_name.h"

#include <cstdint>
#include <filesystem>
#include <optional>

// The phone's section memory, kept as one file per existing section in a folder. Every answer
// follows the link library's conventions (see gbp_results.h). Nothing here throws.
class PhoneMemory {
  public:
    explicit PhoneMemory(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The section's size, NoSuchSection, or Failure (not a plain file, too large to report).
    int sectionSize(SectionAddress section) const;

    // Copies the first min(section size, size) bytes into buffer and answers the count.
    int read(SectionAddress section, std::uint8_t* buffer, int size) const;

    // Replaces the section with exactly length bytes and answers length. A write that would
    // take the sum of all sections past capacity answers MemoryFull, and like any failed write
    // leaves the section as it was.
    int write(SectionAddress section, const std::uint8_t* data, int length, std::int64_t capacity);

    // Removes the section; a missing one is already erased.
    int erase(SectionAddress section);

    // The sum of all sections' sizes, leaving out one section (the one about to be replaced).
    std::int64_t usedBytes(std::optional<SectionAddress> except = std::nullopt) const;

    std::filesystem::path sectionPath(SectionAddress section) const;

  private:
    std::filesystem::path folder_;
};
