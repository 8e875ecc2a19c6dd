#include "sections/section_classification.h"

#include "platform/little_endian.h"
#include "platform/text_decoding.h"
#include "sections/elf_segment.h"

#include <algorithm>

namespace {

constexpr std::uint32_t ElfMagic = 0x464C457F;
constexpr std::uint32_t Prg3Word = 0x30C0DE01;
constexpr std::uint32_t Prg35Word = 0x3500; // recorded for both PRG 3.5 variants
constexpr std::uint32_t Prg35Upper = 0x3500;
constexpr std::uint32_t Prg35UpperAlt = 0x3501;
constexpr std::uint8_t UfifMarkByte = 0x20; // byte 3 of every UFIF format word

// A UFIF header is the format word followed by a 16-byte name.
constexpr std::size_t UfifHeaderSize = 20;
constexpr std::size_t NameFieldSize = 16;
constexpr std::size_t NameField = 4;

constexpr std::size_t RingerName = 4;
constexpr std::size_t RingerNameUnits = (SectionHeaderSize - RingerName) / 2;

// A PRG3 library starts with its version word, and the next three words are small.
constexpr std::size_t Prg3LibraryZeroBytes[] = {7, 11, 15};
constexpr int Prg3LibraryMinRead = 16;

constexpr const char* Ufif2LibraryCaption = "< UFIF2 ExtLibrary >";
constexpr const char* GifCaption = "< GIF-File >";
constexpr const char* RingerCaption = "10 sec ringer: ";
constexpr const char* Prg3LibraryCaption = "< PRG3 ExtLibrary ver.";
constexpr const char* Prg3LibraryCaptionEnd = ">";
constexpr const char* DataCaption = "< Data >";

using Header = std::array<std::uint8_t, SectionHeaderSize>;

// 8-bit text up to the first zero byte; a name that fills the field has no terminator.
std::string nameField(const Header& header, std::size_t offset) {
    const auto begin = header.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto end = std::find(begin, begin + NameFieldSize, std::uint8_t{0});
    return decodeWindows1251(&*begin, static_cast<std::size_t>(end - begin));
}

SectionClassification program(const Header& header, std::uint32_t formatWord,
                              std::size_t ufifHeader) {
    return {SectionKind::Program, nameField(header, ufifHeader + NameField), formatWord};
}

// The UFIF header of an ELF program; one that does not lie wholly within the header buffer is
// replaced by the start of the file, as for a program-header table out of reach.
std::size_t elfUfifHeader(const Header& header) {
    const std::uint32_t segment = elfFirstSegmentOffset(header.data(), header.size()).value_or(0);
    return segment <= header.size() - UfifHeaderSize ? segment : 0;
}

bool startsWith(const Header& header, const char (&tag)[4]) {
    return header[0] == tag[0] && header[1] == tag[1] && header[2] == tag[2];
}

} // namespace

SectionClassification classifySectionHeader(const Header& header, int readCount) {
    const std::uint32_t w0 = readWordLe(header.data(), 0);
    if (w0 == ElfMagic) {
        const std::size_t p = elfUfifHeader(header);
        return program(header, readWordLe(header.data(), p), p);
    }
    if (w0 == Prg3Word)
        return program(header, Prg3Word, 0);
    if ((w0 >> 16) == Prg35Upper || (w0 >> 16) == Prg35UpperAlt)
        return program(header, Prg35Word, 0);
    if (header[3] == UfifMarkByte)
        return program(header, w0, 0);
    if (startsWith(header, "LIB"))
        return {SectionKind::Other, Ufif2LibraryCaption, std::nullopt};
    if (startsWith(header, "GIF"))
        return {SectionKind::Gif, GifCaption, std::nullopt};
    if (w0 == 0)
        return {SectionKind::Other,
                RingerCaption + decodeUtf16Le(header.data() + RingerName, RingerNameUnits),
                std::nullopt};
    const bool smallWords =
        std::all_of(std::begin(Prg3LibraryZeroBytes), std::end(Prg3LibraryZeroBytes),
                    [&](std::size_t at) { return header[at] == 0; });
    if (smallWords && readCount > Prg3LibraryMinRead)
        return {SectionKind::Other,
                Prg3LibraryCaption + std::to_string(static_cast<std::int32_t>(w0)) +
                    Prg3LibraryCaptionEnd,
                std::nullopt};
    return {SectionKind::Other, DataCaption, std::nullopt};
}
