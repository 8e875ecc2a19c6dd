#include "mod/preferences_record.h"

#include <algorithm>

namespace {

constexpr std::array<std::uint8_t, MenuModeCount> MenuModeBytes = {3, 7, 255};

constexpr std::size_t MenuModeAt = 4;
constexpr std::size_t LibrarySlotAt = 6;
constexpr std::size_t LibraryGroupAt = 7;
constexpr std::size_t AutorunSlotAt = 8;
constexpr std::size_t AutorunGroupAt = 9;

int signedByte(std::uint8_t byte) {
    return static_cast<std::int8_t>(byte);
}

// The user may type any 32-bit number; the record keeps its low 8 bits.
std::uint8_t lowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value);
}

} // namespace

std::optional<std::uint8_t> menuModeByte(int menuItem) {
    if (menuItem < 0 || menuItem >= MenuModeCount)
        return std::nullopt;
    return MenuModeBytes[static_cast<std::size_t>(menuItem)];
}

std::optional<int> menuItemForModeByte(std::uint8_t modeByte) {
    const auto found = std::find(MenuModeBytes.begin(), MenuModeBytes.end(), modeByte);
    if (found == MenuModeBytes.end())
        return std::nullopt;
    return static_cast<int>(found - MenuModeBytes.begin());
}

PreferencesView decodePreferencesRecord(const PreferencesRecordBytes& bytes, int readCount) {
    // Only the bytes the phone actually sent count; the rest reads as zero.
    const std::size_t valid =
        readCount <= 0 ? 0 : std::min(static_cast<std::size_t>(readCount), bytes.size());
    PreferencesRecordBytes record{};
    std::copy_n(bytes.begin(), valid, record.begin());

    PreferencesView view;
    view.autorunOn = valid >= PreferencesRecordSize && record[AutorunSlotAt] != 0;
    if (view.autorunOn) {
        view.autorunGroup = signedByte(record[AutorunGroupAt]);
        view.autorunSlot = signedByte(record[AutorunSlotAt]);
    }
    view.menuByte = record[MenuModeAt];
    view.menuItem = menuItemForModeByte(view.menuByte);
    if (record[LibraryGroupAt] != 0) {
        view.libraryGroup = signedByte(record[LibraryGroupAt]);
        view.librarySlot = signedByte(record[LibrarySlotAt]);
    }
    return view;
}

PreferencesRecordBytes encodePreferencesRecord(const PreferencesInput& input) {
    PreferencesRecordBytes record{};
    record[0] = 'Z';
    record[1] = 'A';
    record[2] = 'V';
    record[3] = '2';
    const auto chosen = input.menuItem ? menuModeByte(*input.menuItem) : std::nullopt;
    record[MenuModeAt] = chosen.value_or(input.fallbackMenuByte);
    record[LibrarySlotAt] = lowByte(input.librarySlot);
    record[LibraryGroupAt] = lowByte(input.libraryGroup);
    if (input.autorunOn) {
        record[AutorunSlotAt] = lowByte(input.autorunSlot);
        record[AutorunGroupAt] = lowByte(input.autorunGroup);
    }
    return record;
}
