#include "mod/preferences_record.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

PreferencesRecordBytes record(std::uint8_t mode, std::uint8_t libSlot, std::uint8_t libGroup,
                              std::uint8_t autoSlot, std::uint8_t autoGroup) {
    return {'Z', 'A', 'V', '2', mode, 0, libSlot, libGroup, autoSlot, autoGroup, 0, 0};
}

struct DecodeCase {
    const char* name;
    PreferencesRecordBytes bytes;
    int readCount;
    PreferencesView expected;
};

PreferencesView view(std::optional<int> menuItem, std::uint8_t menuByte, int libGroup, int libSlot,
                     bool autorunOn = false, int autoGroup = 0, int autoSlot = 0) {
    PreferencesView v;
    v.menuItem = menuItem;
    v.menuByte = menuByte;
    v.libraryGroup = libGroup;
    v.librarySlot = libSlot;
    v.autorunOn = autorunOn;
    v.autorunGroup = autoGroup;
    v.autorunSlot = autoSlot;
    return v;
}

const PreferencesRecordBytes Dirty = record(7, 20, 3, 9, 18);

const DecodeCase DecodeCases[] = {
    {"full record", record(7, 20, 3, 9, 18), 12, view(1, 7, 3, 20, true, 18, 9)},
    {"mode 3", record(3, 20, 3, 0, 0), 12, view(0, 3, 3, 20)},
    {"mode 255", record(255, 20, 3, 0, 0), 12, view(2, 255, 3, 20)},
    {"unknown mode keeps selection", record(1, 20, 3, 0, 0), 12, view(std::nullopt, 1, 3, 20)},
    {"mode 0", record(0, 20, 3, 0, 0), 12, view(std::nullopt, 0, 3, 20)},
    {"library group 0 means 2-17", record(3, 5, 0, 0, 0), 12, view(0, 3, 2, 17)},
    {"library slot 0 with group set", record(3, 0, 4, 0, 0), 12, view(0, 3, 4, 0)},
    {"autorun slot 0, group set: off", record(3, 20, 3, 0, 18), 12, view(0, 3, 3, 20)},
    {"autorun slot set, group 0: on", record(3, 20, 3, 9, 0), 12, view(0, 3, 3, 20, true, 0, 9)},
    {"high bytes show negative", record(3, 200, 128, 255, 200), 12,
     view(0, 3, -128, -56, true, -56, -1)},
    {"other magic read quietly",
     {'A', 'B', 'C', 'D', 3, 9, 20, 3, 9, 18, 7, 7},
     12,
     view(0, 3, 3, 20, true, 18, 9)},
    {"11 bytes: autorun off", Dirty, 11, view(1, 7, 3, 20)},
    {"8 bytes: autorun off", Dirty, 8, view(1, 7, 3, 20)},
    {"7 bytes: library group unread", Dirty, 7, view(1, 7, 2, 17)},
    {"5 bytes: mode only", Dirty, 5, view(1, 7, 2, 17)},
    {"4 bytes: mode unread", Dirty, 4, view(std::nullopt, 0, 2, 17)},
    {"nothing read", Dirty, 0, view(std::nullopt, 0, 2, 17)},
    {"failed read", Dirty, -153, view(std::nullopt, 0, 2, 17)},
    {"most negative count", Dirty, INT_MIN, view(std::nullopt, 0, 2, 17)},
    {"count beyond the record", Dirty, INT_MAX, view(1, 7, 3, 20, true, 18, 9)},
    {"13 bytes", Dirty, 13, view(1, 7, 3, 20, true, 18, 9)},
};

TEST(PreferencesRecord, DecodesEachRecord) {
    for (const auto& c : DecodeCases) {
        SCOPED_TRACE(c.name);
        const PreferencesView got = decodePreferencesRecord(c.bytes, c.readCount);
        EXPECT_EQ(got.autorunOn, c.expected.autorunOn);
        if (c.expected.autorunOn) {
            EXPECT_EQ(got.autorunGroup, c.expected.autorunGroup);
            EXPECT_EQ(got.autorunSlot, c.expected.autorunSlot);
        }
        EXPECT_EQ(got.menuItem, c.expected.menuItem);
        EXPECT_EQ(got.menuByte, c.expected.menuByte);
        EXPECT_EQ(got.libraryGroup, c.expected.libraryGroup);
        EXPECT_EQ(got.librarySlot, c.expected.librarySlot);
    }
}

struct EncodeCase {
    const char* name;
    PreferencesInput input;
    PreferencesRecordBytes expected;
};

PreferencesInput input(std::optional<int> menuItem, std::int32_t libGroup, std::int32_t libSlot,
                       bool autorunOn = false, std::int32_t autoGroup = 18,
                       std::int32_t autoSlot = 9) {
    PreferencesInput in;
    in.menuItem = menuItem;
    in.libraryGroup = libGroup;
    in.librarySlot = libSlot;
    in.autorunOn = autorunOn;
    in.autorunGroup = autoGroup;
    in.autorunSlot = autoSlot;
    return in;
}

PreferencesInput withFallback(PreferencesInput in, std::uint8_t fallback) {
    in.fallbackMenuByte = fallback;
    return in;
}

const EncodeCase EncodeCases[] = {
    {"item 0", input(0, 2, 17), record(3, 17, 2, 0, 0)},
    {"item 1", input(1, 2, 17), record(7, 17, 2, 0, 0)},
    {"item 2", input(2, 2, 17), record(255, 17, 2, 0, 0)},
    {"chosen item beats the fallback", withFallback(input(0, 2, 17), 1), record(3, 17, 2, 0, 0)},
    {"no item, nothing read", input(std::nullopt, 2, 17), record(0, 17, 2, 0, 0)},
    {"no item keeps the mode read", withFallback(input(std::nullopt, 2, 17), 1),
     record(1, 17, 2, 0, 0)},
    {"item out of range counts as none", withFallback(input(3, 2, 17), 42),
     record(42, 17, 2, 0, 0)},
    {"negative item counts as none", withFallback(input(-1, 2, 17), 42), record(42, 17, 2, 0, 0)},
    {"low 8 bits of the library section", input(0, -1, 300), record(3, 44, 255, 0, 0)},
    {"large and negative numbers", input(0, INT32_MIN, INT32_MAX), record(3, 255, 0, 0, 0)},
    {"autorun unticked writes zeros", input(0, 2, 17, false, 18, 9), record(3, 17, 2, 0, 0)},
    {"autorun ticked", input(0, 2, 17, true, 18, 9), record(3, 17, 2, 9, 18)},
    {"autorun ticked, low 8 bits", input(0, 2, 17, true, -56, 300), record(3, 17, 2, 44, 200)},
    {"autorun ticked with slot 0", input(0, 2, 17, true, 18, 0), record(3, 17, 2, 0, 18)},
};

TEST(PreferencesRecord, EncodesEachInput) {
    for (const auto& c : EncodeCases)
        EXPECT_EQ(encodePreferencesRecord(c.input), c.expected) << c.name;
}

// What the dialog does: a record is read into the controls, the user presses "Update" without
// touching anything, and the record is written back.
struct RoundTripCase {
    const char* name;
    PreferencesRecordBytes read;
    PreferencesRecordBytes written;
};

const RoundTripCase RoundTripCases[] = {
    {"plain record", record(7, 20, 3, 9, 18), record(7, 20, 3, 9, 18)},
    {"unknown mode survives", record(1, 20, 3, 9, 18), record(1, 20, 3, 9, 18)},
    {"high values survive", record(255, 200, 128, 255, 200), record(255, 200, 128, 255, 200)},
    {"autorun slot 0 clears the group", record(3, 20, 3, 0, 18), record(3, 20, 3, 0, 0)},
    {"unset library becomes 2-17", record(3, 5, 0, 0, 0), record(3, 17, 2, 0, 0)},
    {"magic, byte 5 and tail are rewritten",
     {'A', 'B', 'C', 'D', 3, 9, 20, 3, 9, 18, 7, 7},
     record(3, 20, 3, 9, 18)},
};

TEST(PreferencesRecord, WritesBackWhatWasRead) {
    for (const auto& c : RoundTripCases) {
        const PreferencesView v = decodePreferencesRecord(c.read, 12);
        PreferencesInput in;
        in.menuItem = v.menuItem;
        in.fallbackMenuByte = v.menuByte;
        in.libraryGroup = v.libraryGroup;
        in.librarySlot = v.librarySlot;
        in.autorunOn = v.autorunOn;
        in.autorunGroup = v.autorunGroup;
        in.autorunSlot = v.autorunSlot;
        EXPECT_EQ(encodePreferencesRecord(in), c.written) << c.name;
    }
}

} // namespace
