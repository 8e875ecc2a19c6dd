#include "sample_images/ufif_program.h"

#include "sample_images/code_filler.h"

namespace {

// Different programs get different bodies: the filler is seeded from the name.
std::uint32_t seedFor(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name)
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    return hash;
}

ByteImage ufifHeader(std::uint32_t formatWord, std::string_view name) {
    ByteImage image;
    appendWord(image, formatWord);
    appendTextField(image, name, UfifNameSize);
    return image;
}

// One relocation block. Its layout follows the scan: after a pattern hit the scan skips the
// words up to and including the moved address, so the fixed words and the model word are placed
// where the scan looks again.
constexpr std::uint32_t Nop = 0x46C046C0;
constexpr std::uint32_t LoadAndReturn = 0x47706800;
const std::uint32_t RelocBlock[] = {
    RelocPatternWord1,         // +0
    LoadAndReturn,             // +4
    RelocSpecialAddress,       // +8: moved (after becoming 0x36A9D5); next examined +12
    RelocPatternWord1,         // +12
    Nop,                       // +16
    0x36C2F8,                  // +20: moved; next examined +24
    RelocPatternWord2,         // +24
    Nop,                       // +28
    Nop,                       // +32
    Nop,                       // +36
    Nop,                       // +40
    Nop,                       // +44
    0x36D1A0,                  // +48: moved; next examined +56
    Nop,                       // +52: skipped
    RelocFixedAddressWords[0], // +56
    RelocFixedAddressWords[1], // +60
    RelocFixedAddressWords[2], // +64
    RelocFixedAddressWords[3], // +68
    RelocFixedAddressWords[4], // +72
    RelocFixedAddressWords[5], // +76
    RelocModelWord,            // +80: 0x8A0000 on a Z7
    RelocPatternWord1,         // +84
    Nop,                       // +88
    Ufif20WindowEnd,           // +92: outside the window, stays as it is
};
constexpr std::size_t RelocBlockSize = sizeof(RelocBlock);

void appendRelocBlock(ByteImage& image) {
    for (std::uint32_t word : RelocBlock)
        appendWord(image, word);
}

} // namespace

ByteImage buildUfifProgram(std::uint32_t formatWord, std::string_view name, std::size_t size) {
    ByteImage image = ufifHeader(formatWord, name);
    if (size > image.size())
        appendCodeFiller(image, size - image.size(), seedFor(name));
    return image;
}

ByteImage buildUfif20Program(std::string_view name, std::size_t size) {
    // Entry code, the first block, code up to the middle, the second block, code to the end.
    constexpr std::size_t FirstBlockOffset = 32;
    const std::size_t minimum = FirstBlockOffset + 2 * RelocBlockSize;
    const std::size_t total = size < minimum ? minimum : size;
    const std::size_t secondBlockOffset = (total / 2) & ~std::size_t{3};

    const std::uint32_t seed = seedFor(name);
    ByteImage image = ufifHeader(Ufif20FormatWord, name);
    appendCodeFiller(image, FirstBlockOffset - image.size(), seed);
    appendRelocBlock(image);
    if (secondBlockOffset > image.size())
        appendCodeFiller(image, secondBlockOffset - image.size(), seed + 1);
    appendRelocBlock(image);
    if (total > image.size())
        appendCodeFiller(image, total - image.size(), seed + 2);
    return image;
}
