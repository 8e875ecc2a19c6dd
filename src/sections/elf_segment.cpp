#include "sections/elf_segment.h"

#include "platform/little_endian.h"

namespace {

constexpr std::size_t ProgramHeaderTableField = 28;
constexpr std::uint32_t LastUsableTableOffset = 120;
constexpr std::size_t SegmentOffsetField = 4; // within a program header

} // namespace

std::optional<std::uint32_t> elfFirstSegmentOffset(const std::uint8_t* image, std::size_t length) {
    if (!wordFits(ProgramHeaderTableField, length))
        return std::nullopt;
    const std::uint32_t tableOffset = readWordLe(image, ProgramHeaderTableField);
    if (tableOffset > LastUsableTableOffset)
        return 0;
    // tableOffset is at most 120 here, so the sum cannot overflow.
    const std::size_t field = std::size_t{tableOffset} + SegmentOffsetField;
    if (!wordFits(field, length))
        return std::nullopt;
    return readWordLe(image, field);
}
