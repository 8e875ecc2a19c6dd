#include "sample_images/prg3_library_image.h"

ByteImage buildPrg3LibraryImage(std::uint32_t release, const std::vector<std::uint32_t>& words) {
    ByteImage image;
    appendWord(image, release);
    for (std::uint32_t word : words)
        appendWord(image, word);
    return image;
}
