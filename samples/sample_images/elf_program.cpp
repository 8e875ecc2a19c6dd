#include "sample_images/elf_program.h"

namespace {

constexpr std::uint16_t ElfTypeExecutable = 2;
constexpr std::uint16_t ElfMachineArm = 40;
constexpr std::uint32_t ElfFlagsEabi5 = 0x05000000;
constexpr std::uint32_t SegmentTypeLoad = 1;
constexpr std::uint32_t SegmentFlagsReadWriteExecute = 7;
constexpr std::uint32_t EntryOffsetInSegment = 20;

} // namespace

ByteImage wrapInElf(const ByteImage& segment, std::uint32_t loadAddress) {
    const auto segmentSize = static_cast<std::uint32_t>(segment.size());
    ByteImage image;
    // e_ident: magic, 32-bit class, little-endian data, version 1, System V ABI, padding.
    appendWord(image, ElfMagicWord);
    image.insert(image.end(), {1, 1, 1, 0});
    image.insert(image.end(), 8, 0);
    appendHalfWord(image, ElfTypeExecutable);
    appendHalfWord(image, ElfMachineArm);
    appendWord(image, 1);                                  // e_version
    appendWord(image, loadAddress + EntryOffsetInSegment); // e_entry
    appendWord(image, ElfProgramHeaderOffset);             // e_phoff
    appendWord(image, 0);                                  // e_shoff: no section headers
    appendWord(image, ElfFlagsEabi5);                      // e_flags
    appendHalfWord(image, ElfHeaderSize);                  // e_ehsize
    appendHalfWord(image, ElfProgramHeaderSize);           // e_phentsize
    appendHalfWord(image, 1);                              // e_phnum
    appendHalfWord(image, 40);                             // e_shentsize
    appendHalfWord(image, 0);                              // e_shnum
    appendHalfWord(image, 0);                              // e_shstrndx

    appendWord(image, SegmentTypeLoad);              // p_type
    appendWord(image, ElfSegmentOffset);             // p_offset
    appendWord(image, loadAddress);                  // p_vaddr
    appendWord(image, loadAddress);                  // p_paddr
    appendWord(image, segmentSize);                  // p_filesz
    appendWord(image, segmentSize);                  // p_memsz
    appendWord(image, SegmentFlagsReadWriteExecute); // p_flags
    appendWord(image, 4);                            // p_align

    image.insert(image.end(), segment.begin(), segment.end());
    return image;
}
