#include "gif_decoder.h"
#include "header_layout.h"

#include "sample_images/data_block.h"
#include "sample_images/elf_program.h"
#include "sample_images/gif_picture.h"
#include "sample_images/preferences_record.h"
#include "sample_images/prg3_library_image.h"
#include "sample_images/prg3_program.h"
#include "sample_images/ringer.h"
#include "sample_images/ufif2_library.h"
#include "sample_images/ufif_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// What the probe should make of each builder's output.
struct RecognitionCase {
    const char* label;
    ByteImage image;
    HeaderKind kind;
    std::uint32_t formatWord; // checked for programs and PRG3 libraries
    std::string name;         // checked for programs and ringers
};

std::vector<RecognitionCase> recognitionCases() {
    return {
        {"UFIF 2.0", buildUfif20Program("Hello", 4096), HeaderKind::Ufif, 0x20000000, "Hello"},
        {"UFIF 2.1", buildUfifProgram(Ufif21FormatWord, "Clock", 500), HeaderKind::Ufif, 0x20010000,
         "Clock"},
        {"firmware word", buildUfifProgram(0x20031004, "Torch", 300), HeaderKind::Ufif, 0x20031004,
         "Torch"},
        {"ELF", wrapInElf(buildUfif20Program("Elf", 2000), Ufif20OldBase), HeaderKind::Elf,
         0x20000000, "Elf"},
        {"PRG 3", buildPrg3Program("Notes", 700), HeaderKind::Prg3, 0x30C0DE01, "Notes"},
        {"PRG 3.5 rev 0", buildPrg35Program("Calc", 700, 0), HeaderKind::Prg35, 0x3500, "Calc"},
        {"PRG 3.5 rev 1", buildPrg35Program("Calc", 700, 1), HeaderKind::Prg35, 0x3500, "Calc"},
        {"UFIF2 library", buildUfif2Library(1, 8, 1000), HeaderKind::Ufif2Library, 0, ""},
        {"GIF", buildSmileyGif(), HeaderKind::Gif, 0, ""},
        {"ringer", buildRinger(u"Bell", 600), HeaderKind::Ringer, 0, "Bell"},
        {"PRG3 library", buildPrg3LibraryImage(300, {0x20A1C4, 0x21D95C, 0x22F140, 0x2460F4}),
         HeaderKind::Prg3Library, 300, ""},
        {"data", buildDataBlock(1000), HeaderKind::Data, 0, ""},
        {"preferences", buildPreferencesRecord(), HeaderKind::Data, 0, ""},
    };
}

TEST(SampleImages, EachIsRecognisedAsTheKindItStandsFor) {
    for (const RecognitionCase& c : recognitionCases()) {
        SCOPED_TRACE(c.label);
        const HeaderReading reading = readHeader(c.image);
        EXPECT_EQ(headerKindName(reading.kind), std::string(headerKindName(c.kind)));
        if (c.kind == HeaderKind::Ringer) {
            EXPECT_EQ(reading.name, c.name);
        } else if (c.kind == HeaderKind::Prg3Library) {
            EXPECT_EQ(reading.formatWord, c.formatWord);
        } else if (c.kind <= HeaderKind::Ufif) {
            EXPECT_EQ(reading.formatWord, c.formatWord);
            EXPECT_EQ(reading.name, c.name);
        }
    }
}

struct SizeCase {
    const char* label;
    std::size_t asked;
    ByteImage image;
};

TEST(SampleImages, HaveExactlyTheSizeAskedFor) {
    const SizeCase cases[] = {
        {"UFIF", 777, buildUfifProgram(Ufif21FormatWord, "x", 777)},
        {"UFIF 2.0", 9216, buildUfif20Program("x", 9216)},
        {"UFIF 2.0 odd", 4097, buildUfif20Program("x", 4097)},
        {"PRG 3", 1001, buildPrg3Program("x", 1001)},
        {"PRG 3.5", 1002, buildPrg35Program("x", 1002, 0)},
        {"UFIF2 library", 1792, buildUfif2Library(2, 16, 1792)},
        {"ringer", 2047, buildRinger(u"x", 2047)},
        {"data", 1536, buildDataBlock(1536)},
        {"preferences", 12, buildPreferencesRecord()},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.image.size(), c.asked);
    }
}

TEST(ProgramNameField, IsCutToSixteenBytesAndZeroPadded) {
    const ByteImage shortName = buildUfifProgram(Ufif21FormatWord, "Abc", 64);
    EXPECT_EQ(std::string(shortName.begin() + 4, shortName.begin() + 7), "Abc");
    EXPECT_TRUE(std::all_of(shortName.begin() + 7, shortName.begin() + 20,
                            [](std::uint8_t b) { return b == 0; }));

    const ByteImage longName = buildPrg3Program("0123456789abcdefXYZ", 64);
    EXPECT_EQ(std::string(longName.begin() + 4, longName.begin() + 20), "0123456789abcdef");
    EXPECT_EQ(readHeader(longName).name, "0123456789abcdef");

    // 8-bit names pass through untouched: no conversion to UTF-8 on the way in.
    const ByteImage cyrillic = buildUfifProgram(Ufif21FormatWord, "\xD7\xE0\xF1\xFB", 64);
    EXPECT_EQ(cyrillic[4], 0xD7);
    EXPECT_EQ(cyrillic[7], 0xFB);
    EXPECT_EQ(cyrillic[8], 0);
}

TEST(ElfProgram, WrapsTheSegmentAfterOneProgramHeader) {
    const ByteImage segment = buildUfif20Program("Elf Test", 1000);
    const ByteImage elf = wrapInElf(segment, Ufif20OldBase);
    ASSERT_EQ(elf.size(), 84 + segment.size());
    EXPECT_EQ(std::vector<std::uint8_t>(elf.begin(), elf.begin() + 4),
              (std::vector<std::uint8_t>{0x7F, 'E', 'L', 'F'}));
    EXPECT_EQ(elf[4], 1); // 32-bit
    EXPECT_EQ(elf[5], 1); // little-endian
    EXPECT_EQ(wordAt(elf, 28), 52u);
    EXPECT_EQ(wordAt(elf, 52), 1u); // PT_LOAD
    EXPECT_EQ(wordAt(elf, 56), 84u);
    EXPECT_EQ(wordAt(elf, 52 + 16), segment.size()); // p_filesz
    EXPECT_EQ(wordAt(elf, 84), 0x20000000u);
    EXPECT_TRUE(std::equal(segment.begin(), segment.end(), elf.begin() + 84));
}

// The words a UFIF 2.0 body must offer the conversion, found by walking the image the way the
// conversion's scan does: word-aligned from offset 20, skipping past each relocated address.
struct ScanFindings {
    std::vector<std::uint32_t> pattern1Addresses;
    std::vector<std::uint32_t> pattern2Addresses;
    std::set<std::uint32_t> fixedWords;
    int modelWords = 0;
};

bool inWindow(std::uint32_t address) {
    return address > Ufif20OldBase && address < Ufif20WindowEnd;
}

ScanFindings walkLikeTheConversion(const ByteImage& image) {
    ScanFindings found;
    for (std::size_t o = 20; o + 4 <= image.size(); o += 4) {
        const std::uint32_t w = wordAt(image, o);
        // wordAt answers 0 past the end, which is outside the window.
        if (w == RelocPatternWord1 && inWindow(wordAt(image, o + 8))) {
            found.pattern1Addresses.push_back(wordAt(image, o + 8));
            o += 8;
        } else if (w == RelocPatternWord2 && inWindow(wordAt(image, o + 24))) {
            found.pattern2Addresses.push_back(wordAt(image, o + 24));
            o += 28;
        } else if (std::find(RelocFixedAddressWords.begin(), RelocFixedAddressWords.end(), w) !=
                   RelocFixedAddressWords.end()) {
            found.fixedWords.insert(w);
        } else if (w == RelocModelWord) {
            ++found.modelWords;
        }
    }
    return found;
}

struct Ufif20Case {
    const char* label;
    ByteImage image;
};

TEST(Ufif20Program, OffersEveryWordTheConversionMovesOnAScannedOffset) {
    const Ufif20Case cases[] = {
        {"raw", buildUfif20Program("Raw", 9216)},
        {"inside ELF", wrapInElf(buildUfif20Program("Elf", 7168), Ufif20OldBase)},
        {"smallest", buildUfif20Program("Tiny", 0)},
    };
    for (const Ufif20Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ScanFindings found = walkLikeTheConversion(c.image);
        EXPECT_FALSE(found.pattern1Addresses.empty());
        EXPECT_FALSE(found.pattern2Addresses.empty());
        EXPECT_NE(std::find(found.pattern1Addresses.begin(), found.pattern1Addresses.end(),
                            RelocSpecialAddress),
                  found.pattern1Addresses.end());
        EXPECT_EQ(found.fixedWords.size(), RelocFixedAddressWords.size());
        EXPECT_GT(found.modelWords, 0);
    }
}

TEST(Ufif20Program, FillerNeverLooksLikeARelocationWord) {
    // Code filler alone must give the conversion nothing to react to, so that what it moves in
    // a demo program is exactly what the relocation blocks put there.
    for (const char* name : {"Filler", "Other seed", "x"}) {
        SCOPED_TRACE(name);
        const ScanFindings found =
            walkLikeTheConversion(buildUfifProgram(Ufif20FormatWord, name, 20000));
        EXPECT_TRUE(found.pattern1Addresses.empty());
        EXPECT_TRUE(found.pattern2Addresses.empty());
        EXPECT_TRUE(found.fixedWords.empty());
        EXPECT_EQ(found.modelWords, 0);
    }
}

TEST(Ringer, HoldsItsNameAsUtf16AndCutsItToSixtyTwoUnits) {
    const ByteImage ringer = buildRinger(u"Bell\u0416", 400);
    EXPECT_EQ(wordAt(ringer, 0), 0u);
    EXPECT_EQ(ringer[4], 'B');
    EXPECT_EQ(ringer[5], 0);
    EXPECT_EQ(ringer[12], 0x16); // U+0416, little-endian
    EXPECT_EQ(ringer[13], 0x04);
    EXPECT_EQ(ringer[14], 0); // terminating unit
    EXPECT_EQ(ringer[15], 0);

    const std::u16string longName(70, u'a');
    const ByteImage cut = buildRinger(longName, 400);
    EXPECT_EQ(readHeader(cut).name, std::string(62, 'a'));
    EXPECT_NE(cut[128], 'a'); // the tune starts right after the header
}

TEST(PreferencesRecord, DefaultIsOnlyProgramsWithTheLibraryInTwoSeventeen) {
    const ByteImage record = buildPreferencesRecord();
    EXPECT_EQ(record, (ByteImage{'Z', 'A', 'V', '2', 3, 0, 17, 2, 0, 0, 0, 0}));
    PreferencesValues autorun;
    autorun.autorunSlot = 9;
    autorun.autorunGroup = 18;
    const ByteImage withAutorun = buildPreferencesRecord(autorun);
    EXPECT_EQ(withAutorun[8], 9);
    EXPECT_EQ(withAutorun[9], 18);
}

TEST(DataBlock, MatchesNoHeaderTest) {
    for (std::size_t size : {17u, 128u, 1536u}) {
        SCOPED_TRACE(size);
        const ByteImage data = buildDataBlock(size);
        EXPECT_NE(data[3], 0x20);
        EXPECT_NE(wordAt(data, 0), 0u);
        EXPECT_FALSE(data[7] == 0 && data[11] == 0 && data[15] == 0);
        EXPECT_EQ(readHeader(data).kind, HeaderKind::Data);
    }
}

TEST(Prg3LibraryImage, IsTheReleaseWordThenOneWordPerEntry) {
    const ByteImage image = buildPrg3LibraryImage(3, {0x1A2B, 0xFFFFFFFF});
    EXPECT_EQ(image, (ByteImage{3, 0, 0, 0, 0x2B, 0x1A, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(SmileyGif, DecodesToTheSmileyPixels) {
    const ByteImage file = buildSmileyGif();
    const auto gif = decodeGif(file);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->signature, "GIF89a");
    EXPECT_TRUE(gif->endsWithTrailer);
    const IndexedPicture expected = smileyPicture();
    EXPECT_EQ(gif->picture.width, 32);
    EXPECT_EQ(gif->picture.height, 32);
    EXPECT_EQ(gif->picture.palette, expected.palette);
    EXPECT_EQ(gif->picture.pixels, expected.pixels);
    // Four colours really are used: a face, its features and the background.
    EXPECT_EQ(std::set<std::uint8_t>(expected.pixels.begin(), expected.pixels.end()).size(), 4u);
}

IndexedPicture noisePicture(std::size_t colours, std::uint16_t width, std::uint16_t height) {
    IndexedPicture picture;
    picture.width = width;
    picture.height = height;
    for (std::size_t i = 0; i < colours; ++i)
        picture.palette.push_back(
            {static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(255 - i)});
    std::uint32_t state = 7;
    for (std::size_t i = 0; i < std::size_t{width} * height; ++i) {
        state = state * 1103515245u + 12345u;
        // Runs and noise, so the table both grows long strings and fills up.
        const bool repeat = i > 0 && (state >> 16) % 3 != 0;
        picture.pixels.push_back(repeat ? picture.pixels.back()
                                        : static_cast<std::uint8_t>((state >> 8) % colours));
    }
    return picture;
}

TEST(GifEncoder, RoundTripsPicturesThatFillTheCodeTable) {
    struct Case {
        std::size_t colours;
        std::uint16_t width, height;
    };
    const Case cases[] = {{2, 1, 1}, {2, 64, 64}, {3, 17, 5}, {16, 200, 150}, {256, 300, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colours);
        const IndexedPicture picture = noisePicture(c.colours, c.width, c.height);
        const auto gif = decodeGif(encodeGif(picture));
        ASSERT_TRUE(gif);
        EXPECT_EQ(gif->picture.pixels, picture.pixels);
        EXPECT_GE(gif->picture.palette.size(), c.colours);
    }
}

} // namespace
