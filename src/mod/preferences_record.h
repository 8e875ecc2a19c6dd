#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// The mod keeps its preferences as one 12-byte record in section 2-18:
//   0-3  "ZAV2"
//   4    menu show mode: 3 only programs, 7 programs and data, 255 everything
//   5    0
//   6,7  UFIF2-library section, slot and group (group 0: not set, the mod uses 2-17)
//   8,9  autorun section, slot and group (slot 0: autorun off)
//   10,11 unused, written as 0
// Group and slot bytes hold the low 8 bits of what the user typed and are shown as signed
// 8-bit numbers, so a stored 200 reads back as -56 and is written back as 200.

constexpr int PreferencesGroup = 2;
constexpr int PreferencesSlot = 18;
constexpr std::size_t PreferencesRecordSize = 12;

using PreferencesRecordBytes = std::array<std::uint8_t, PreferencesRecordSize>;

// The UFIF2-library section the mod falls back to when the record names none.
constexpr int DefaultLibraryGroup = 2;
constexpr int DefaultLibrarySlot = 17;

// The mode byte to write when the user picked no menu mode and no record was ever read.
constexpr std::uint8_t NoMenuModeByte = 0;

// Number of menu modes; items are 0 "Only programs", 1 "Progs and data", 2 "Show all".
constexpr int MenuModeCount = 3;

// What a record read from the phone tells the dialog.
struct PreferencesView {
    bool autorunOn = false;
    // Valid only when autorunOn; otherwise the dialog keeps whatever its edits held.
    int autorunGroup = 0;
    int autorunSlot = 0;
    // The menu item the mode byte selects; nullopt leaves the dialog's selection as it was.
    std::optional<int> menuItem;
    // The mode byte as read, kept so that writing the record back without choosing a mode
    // does not change it.
    std::uint8_t menuByte = 0;
    int libraryGroup = DefaultLibraryGroup;
    int librarySlot = DefaultLibrarySlot;
};

// Decodes a record of which readCount bytes were read. Bytes at or beyond the count are taken
// as 0 whatever the buffer holds, so a short, failed or absurd count never shows stale data;
// a record shorter than 12 bytes never turns autorun on.
PreferencesView decodePreferencesRecord(const PreferencesRecordBytes& bytes, int readCount);

// What the dialog holds when the user presses "Update", already turned into numbers.
struct PreferencesInput {
    // 0..2, or nullopt (any other value counts as nullopt) to keep fallbackMenuByte.
    std::optional<int> menuItem;
    // The mode byte last read from the phone, NoMenuModeByte when none was ever read.
    std::uint8_t fallbackMenuByte = NoMenuModeByte;
    std::int32_t libraryGroup = DefaultLibraryGroup;
    std::int32_t librarySlot = DefaultLibrarySlot;
    bool autorunOn = false;
    // Ignored (stored as 0) when autorunOn is false.
    std::int32_t autorunGroup = 0;
    std::int32_t autorunSlot = 0;
};

// Builds the whole record; nothing of a previously stored record survives.
PreferencesRecordBytes encodePreferencesRecord(const PreferencesInput& input);

// The mode byte written for a menu item (3, 7 or 255), and the item a mode byte selects.
std::optional<std::uint8_t> menuModeByte(int menuItem);
std::optional<int> menuItemForModeByte(std::uint8_t modeByte);
