#pragma once

#include "section_file_name.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// The calls a configured failure can hit.
enum class PhoneCall { Init, Size, Read, Write, Clear };

// Makes one call answer `result` (always negative) instead of doing its work. Init failures
// hit every port; the others hit one section.
struct InjectedFailure {
    PhoneCall call = PhoneCall::Init;
    SectionAddress section;
    int result = -1;
};

// The emulated phone's settings, from the file "phone.cfg" in its memory folder.
struct PhoneConfig {
    static constexpr std::int64_t DefaultCapacity = 262144;

    std::int64_t capacity = DefaultCapacity; // bytes, sum of all section sizes
    std::int64_t bytesPerSecond = 0;         // simulated line speed; 0: as fast as possible
    std::vector<InjectedFailure> failures;

    // The injected result for a call, if one is configured. The section is ignored for Init.
    std::optional<int> failureFor(PhoneCall call, SectionAddress section = {}) const;
};

constexpr const char* PhoneConfigFileName = "phone.cfg";

// Reads "key = value" lines. Blank lines and lines starting with '#' or ';' are comments; a
// line that is not understood is ignored, and a later line overrides an earlier one.
PhoneConfig parsePhoneConfig(std::string_view text);

// Reads the config file; a missing or unreadable file gives the defaults. Only the first
// MaxPhoneConfigBytes are read, so a stray huge file cannot stall the phone.
constexpr std::size_t MaxPhoneConfigBytes = 65536;
PhoneConfig loadPhoneConfig(const std::filesystem::path& file);
