#include "transfer/ufif_conversion.h"

#include "platform/int_text.h"
#include "platform/little_endian.h"
#include "sections/elf_segment.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

constexpr std::uint32_t ElfMagic = 0x464C457F;
constexpr std::uint32_t Ufif20Word = 0x20000000;
constexpr std::size_t MinorVersionByte = 2; // within the format word

// UFIF 2.0 programs were linked for this base; the window is the program area above it.
constexpr std::uint32_t OldBase = 0x36A658;
constexpr std::uint32_t ProgramWindowEnd = 0x370000;

// Thumb code that saves registers and loads an address from a literal a fixed distance on.
constexpr std::uint32_t PatternWord1 = 0x4801B403;
constexpr std::size_t PatternAddress1 = 8;
constexpr std::uint32_t PatternWord2 = 0x4809B407;
constexpr std::size_t PatternAddress2 = 24;

// Behind pattern 1 the address 0x36A9D1 is replaced by 0x36A9D5 before it is moved.
constexpr std::uint32_t ShiftedEntry = 0x36A9D1;
constexpr std::uint32_t ShiftedEntryTarget = 0x36A9D5;

constexpr std::uint32_t FixedAddressWords[] = {0x36A97C, 0x36AA84, 0x36AC74,
                                               0x36AE14, 0x36AE18, 0x36AE1C};

constexpr std::uint32_t ModelWord = 0x820000;
constexpr std::uint32_t ModelWordZ7 = 0x8A0000;

// The format word and the program name are never scanned.
constexpr std::size_t FirstScannedOffset = 20;
constexpr std::size_t WordSize = 4;

constexpr char TargetBaseEnd = ' ';
constexpr std::string_view ModelSeparator = " - ";
constexpr std::size_t ModelCodeLength = 2;
constexpr std::size_t ModelCodeWithoutSeparator = 2; // third and fourth characters

bool inProgramWindow(std::uint32_t address) {
    return address > OldBase && address < ProgramWindowEnd;
}

std::uint32_t moved(std::uint32_t address, std::uint32_t base) {
    return address - OldBase + base; // wraps at 32 bits
}

bool isFixedAddressWord(std::uint32_t word) {
    return std::find(std::begin(FixedAddressWords), std::end(FixedAddressWords), word) !=
           std::end(FixedAddressWords);
}

// A word that runs past the end of the image is treated as matching nothing.
std::optional<std::uint32_t> wordAt(const std::uint8_t* image, std::size_t n, std::size_t at) {
    if (!wordFits(at, n))
        return std::nullopt;
    return readWordLe(image, at);
}

// Moves the address at `at` when it lies in the program window; tells whether it did.
bool moveWindowAddress(std::uint8_t* image, std::size_t n, std::size_t at, std::uint32_t base,
                       bool shiftEntry) {
    std::optional<std::uint32_t> address = wordAt(image, n, at);
    if (!address || !inProgramWindow(*address))
        return false;
    if (shiftEntry && *address == ShiftedEntry)
        address = ShiftedEntryTarget;
    writeWordLe(image, at, moved(*address, base));
    return true;
}

} // namespace

std::optional<std::size_t> isUfif20Image(const std::uint8_t* image, std::size_t n) {
    const auto first = wordAt(image, n, 0);
    if (first == Ufif20Word)
        return 0;
    if (first != ElfMagic)
        return std::nullopt;
    const auto segment = elfFirstSegmentOffset(image, n);
    if (!segment || wordAt(image, n, *segment) != Ufif20Word)
        return std::nullopt;
    return *segment;
}

FirmwareTarget parseFirmwareTarget(const std::string& text) {
    const std::size_t blank = text.find(TargetBaseEnd);
    const std::string baseText = blank == std::string::npos ? std::string{} : text.substr(0, blank);
    FirmwareTarget target;
    target.base = static_cast<std::uint32_t>(parseIntText(baseText));

    // The model code is compared with ASCII only, so taking bytes for characters cannot change
    // the outcome.
    const std::size_t separator = text.find(ModelSeparator);
    const std::size_t codeStart = separator == std::string::npos
                                      ? ModelCodeWithoutSeparator
                                      : separator + ModelSeparator.size();
    const std::string code =
        codeStart < text.size() ? text.substr(codeStart, ModelCodeLength) : std::string{};
    target.z7 = code == "Z7" || code == "z7";
    return target;
}

void convertToUfif21(std::uint8_t* image, std::size_t n, std::size_t h,
                     const FirmwareTarget& target) {
    if (h < n && n - h > MinorVersionByte)
        image[h + MinorVersionByte] = 1;

    // Offsets count from the start of the image, not from h. After a moved pattern address
    // the scan resumes behind that address, so the words in between are never examined.
    std::size_t o = FirstScannedOffset;
    while (wordFits(o, n)) {
        const std::uint32_t word = readWordLe(image, o);
        if (word == PatternWord1 &&
            moveWindowAddress(image, n, o + PatternAddress1, target.base, true)) {
            o += PatternAddress1;
        } else if (word == PatternWord2 &&
                   moveWindowAddress(image, n, o + PatternAddress2, target.base, false)) {
            o += PatternAddress2 + WordSize;
        } else if (isFixedAddressWord(word)) {
            writeWordLe(image, o, moved(word, target.base));
        } else if (word == ModelWord && target.z7) {
            writeWordLe(image, o, ModelWordZ7);
        }
        o += WordSize;
    }
}
