#include "demo_content.h"
#include "header_layout.h"
#include "phone_config.h"

#include "mod/prg3_library_text.h"
#include "platform/file_io.h"
#include "sample_images/sample_texts.h"

#include <gtest/gtest.h>

namespace {

struct DemoCase {
    SectionAddress address;
    HeaderKind kind;
    std::uint32_t formatWord; // programs and PRG3 libraries; 0: not checked
    std::size_t minSize;
    std::size_t maxSize;
};

// One Full Refresh of the default ranges must show every kind and every "FW" text.
const DemoCase DemoCases[] = {
    {{18, 9}, HeaderKind::Ufif, 0x20000000, 8000, 10000},
    {{18, 10}, HeaderKind::Ufif, 0x20010000, 1000, 21504},
    {{18, 11}, HeaderKind::Ufif, 0x20031004, 1000, 21504},
    {{18, 12}, HeaderKind::Elf, 0x20000000, 1000, 21504},
    {{18, 13}, HeaderKind::Prg3, 0x30C0DE01, 1000, 21504},
    {{18, 14}, HeaderKind::Prg35, 0x3500, 1000, 21504},
    {{18, 15}, HeaderKind::Gif, 0, 100, 21504},
    {{18, 16}, HeaderKind::Ringer, 0, 200, 21504},
    {{18, 17}, HeaderKind::Data, 0, 200, 21504},
    {{18, 19}, HeaderKind::Ufif, 0x20010000, 21505, 65536},
    {{18, 20}, HeaderKind::Ufif, 0x20036005, 1000, 21504},
    {{2, 10}, HeaderKind::Ufif2Library, 0, 100, 2047},
    {{2, 11}, HeaderKind::Prg3Library, 2, 100, 1000},
    {{2, 12}, HeaderKind::Prg3, 0x30C0DE01, 100, 2047},
    {{2, 16}, HeaderKind::Prg3Library, 3, 17, 2048},
    {{2, 17}, HeaderKind::Ufif2Library, 0, 2048, 21504},
    {{2, 18}, HeaderKind::Data, 0, 12, 12},
};

TEST(DemoContent, HoldsOneSectionOfEachKindWhereTheGridLooks) {
    const std::vector<DemoSection> sections = demoSections();
    ASSERT_EQ(sections.size(), std::size(DemoCases));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const DemoCase& expected = DemoCases[i];
        const DemoSection& section = sections[i];
        SCOPED_TRACE(sectionFileName(expected.address));
        EXPECT_EQ(section.address, expected.address);
        const HeaderReading reading = readHeader(section.bytes);
        EXPECT_STREQ(headerKindName(reading.kind), headerKindName(expected.kind));
        if (expected.formatWord != 0) {
            EXPECT_EQ(reading.formatWord, expected.formatWord);
        }
        if (reading.kind <= HeaderKind::Ufif || reading.kind == HeaderKind::Ringer) {
            EXPECT_FALSE(reading.name.empty());
        }
        EXPECT_GE(section.bytes.size(), expected.minSize);
        EXPECT_LE(section.bytes.size(), expected.maxSize);
    }
}

TEST(DemoContent, FitsWellWithinTheDefaultCapacity) {
    std::size_t total = 0;
    for (const DemoSection& section : demoSections())
        total += section.bytes.size();
    EXPECT_LT(total, static_cast<std::size_t>(PhoneConfig::DefaultCapacity) / 2);
}

TEST(DemoContent, OneProgramHasACyrillicWindows1251Name) {
    const HeaderReading clock = readHeader(demoSections()[1].bytes);
    // "Часы" in Windows-1251.
    EXPECT_EQ(clock.name.substr(0, 4), "\xD7\xE0\xF1\xFB");
}

TEST(DemoContent, PreferencesPointAtTheLibraryInTwoSeventeen) {
    const std::vector<DemoSection> sections = demoSections();
    EXPECT_EQ(sections.back().bytes, (ByteImage{'Z', 'A', 'V', '2', 3, 0, 17, 2, 0, 0, 0, 0}));
}

// The PRG3 library in 02-16 is what uploading the sample library text writes, read by the
// manager's own code for that upload.
TEST(DemoContent, Prg3LibraryIsTheSampleLibraryTextsImage) {
    const Prg3LibraryImage uploaded = buildPrg3LibraryImage(splitTextLines(buildPrg3LibraryText()));
    ASSERT_FALSE(uploaded.tooBig);
    const std::vector<DemoSection> sections = demoSections();
    const DemoSection& library = sections[14];
    ASSERT_EQ(library.address, (SectionAddress{2, 16}));
    EXPECT_EQ(library.bytes, prg3LibraryBytes(uploaded.words));
}

} // namespace
