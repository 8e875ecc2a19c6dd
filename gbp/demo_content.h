#pragma once

#include "section_file_name.h"

#include "sample_images/byte_image.h"

#include <filesystem>
#include <string_view>
#include <vector>

// What a new emulated phone holds: one section of every kind the manager tells apart, in the
// default slot ranges (18-09 to 18-29, 02-10 to 02-14), plus the mod's fixed sections 02-16,
// 02-17 and 02-18.
struct DemoSection {
    SectionAddress address;
    std::string_view description;
    ByteImage bytes;
};

std::vector<DemoSection> demoSections();

// Writes every demo section into an existing folder; false when a file cannot be written.
bool writeDemoContent(const std::filesystem::path& folder);
