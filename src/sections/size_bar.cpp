#include "sections/size_bar.h"

#include <algorithm>

namespace {

constexpr std::int32_t BigSlotLimit = 21504;
constexpr std::int32_t OversizedScale = 65536;
constexpr std::int32_t SmallSlotScale = 2048;

} // namespace

SizeBarScale sizeBarScale(bool smallSlot, std::int32_t size) {
    const SizeBarColour colour = size > BigSlotLimit ? SizeBarColour::Red : SizeBarColour::Blue;
    if (smallSlot)
        return {colour, SmallSlotScale};
    return {colour, size > BigSlotLimit ? OversizedScale : BigSlotLimit};
}

int sizeBarRight(int innerLeft, int innerWidth, std::int32_t fullScale, std::int32_t size,
                 int limit) {
    if (fullScale <= 0 || innerWidth <= 0 || limit <= innerLeft)
        return innerLeft;
    const double right = static_cast<double>(innerWidth) / fullScale * size + innerLeft;
    // Clamped in double, before the conversion, which would overflow for huge sizes.
    return static_cast<int>(
        std::clamp(right, static_cast<double>(innerLeft), static_cast<double>(limit)));
}
