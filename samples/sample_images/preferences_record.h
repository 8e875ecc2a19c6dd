#pragma once

#include "sample_images/byte_image.h"

#include <cstdint>

// The mod's 12-byte preferences record: "ZAV2", menu show mode, 0, the UFIF2 library's slot and
// group, the autorun program's slot and group (slot 0: autorun off), two unused zero bytes.
struct PreferencesValues {
    std::uint8_t menuShowMode = 3; // only programs
    std::uint8_t librarySlot = 17;
    std::uint8_t libraryGroup = 2;
    std::uint8_t autorunSlot = 0;
    std::uint8_t autorunGroup = 0;
};

ByteImage buildPreferencesRecord(const PreferencesValues& values = {});
