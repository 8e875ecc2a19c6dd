#include "sample_images/ufif2_library.h"

#include "sample_images/code_filler.h"

ByteImage buildUfif2Library(std::uint32_t version, std::uint32_t functionCount, std::size_t size) {
    const std::size_t tableOffset = 12;
    const std::size_t codeOffset = tableOffset + 4 * std::size_t{functionCount};
    const std::size_t total = size < codeOffset ? codeOffset : size;
    // Functions are spread evenly over the code, each on a word boundary.
    const std::size_t spacing =
        functionCount == 0 ? 0 : ((total - codeOffset) / functionCount) & ~std::size_t{3};

    ByteImage image;
    appendBytes(image, Ufif2LibraryMagic);
    appendWord(image, version);
    appendWord(image, functionCount);
    for (std::uint32_t i = 0; i < functionCount; ++i)
        appendWord(image, static_cast<std::uint32_t>(codeOffset + i * spacing));
    appendCodeFiller(image, total - image.size(), version);
    return image;
}
