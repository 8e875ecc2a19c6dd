#include "sample_images/prg3_program.h"

#include "sample_images/code_filler.h"

namespace {

constexpr std::size_t PrgHeaderSize = PrgNameOffset + PrgNameSize;

ByteImage buildProgram(std::uint32_t firstWord, std::string_view name, std::size_t size,
                       std::uint32_t seed) {
    ByteImage image;
    appendWord(image, firstWord);
    appendTextField(image, name, PrgNameSize);
    if (size > image.size())
        appendCodeFiller(image, size - image.size(), seed);
    return image;
}

} // namespace

ByteImage buildPrg3Program(std::string_view name, std::size_t size) {
    return buildProgram(Prg3MagicWord, name, size, 0x5033);
}

ByteImage buildPrg35Program(std::string_view name, std::size_t size, std::uint8_t revision) {
    const std::uint32_t marker = Prg35Marker + (revision & 1u);
    return buildProgram((marker << 16) | PrgHeaderSize, name, size, 0x5035);
}
