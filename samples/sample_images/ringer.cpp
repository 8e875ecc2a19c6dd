#include "sample_images/ringer.h"

#include <algorithm>

ByteImage buildRinger(std::u16string_view name, std::size_t size) {
    ByteImage image;
    appendWord(image, 0);
    const std::size_t units = std::min(name.size(), RingerMaxNameUnits);
    for (std::size_t i = 0; i < units; ++i)
        appendHalfWord(image, static_cast<std::uint16_t>(name[i]));
    image.resize(RingerHeaderSize, 0);
    // The tune: (note, length) pairs of a rising and falling scale.
    for (std::size_t i = 0; image.size() < size; ++i) {
        const std::size_t step = i % 16;
        image.push_back(static_cast<std::uint8_t>(60 + (step < 8 ? step : 15 - step)));
        if (image.size() < size)
            image.push_back(static_cast<std::uint8_t>(step % 4 == 3 ? 8 : 4));
    }
    return image;
}
