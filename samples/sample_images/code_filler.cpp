#include "sample_images/code_filler.h"

namespace {

// movs r0/r1 with an immediate, adds, bx lr, nop, push, pop, ldr, str.
constexpr std::uint16_t Instructions[] = {0x2000, 0x2100, 0x1840, 0x4770, 0x46C0,
                                          0xB500, 0xBD00, 0x6800, 0x6008};
constexpr std::uint32_t InstructionCount = sizeof(Instructions) / sizeof(Instructions[0]);

std::uint16_t nextInstruction(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    const std::uint16_t instruction = Instructions[(state >> 16) % InstructionCount];
    // The two movs take an 8-bit immediate; the others are used as they are.
    if (instruction == 0x2000 || instruction == 0x2100)
        return static_cast<std::uint16_t>(instruction | ((state >> 8) & 0xFF));
    return instruction;
}

} // namespace

void appendCodeFiller(ByteImage& image, std::size_t count, std::uint32_t seed) {
    std::uint32_t state = seed;
    const std::size_t end = image.size() + count;
    // Whole pairs, the last one cut at the end.
    while (image.size() < end) {
        appendHalfWord(image, nextInstruction(state));
        appendHalfWord(image, nextInstruction(state));
    }
    image.resize(end);
}
