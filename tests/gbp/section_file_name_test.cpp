#include "section_file_name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    SectionAddress address;
    const char* name;
};

const NameCase NameCases[] = {
    {{18, 9}, "18-09.bin"},  {{2, 17}, "02-17.bin"},      {{0, 0}, "00-00.bin"},
    {{17, 19}, "17-19.bin"}, {{255, 100}, "255-100.bin"},
};

TEST(SectionFileName, IsDecimalWithAtLeastTwoDigitsAndRoundTrips) {
    for (const NameCase& c : NameCases) {
        EXPECT_EQ(sectionFileName(c.address), c.name);
        EXPECT_EQ(parseSectionFileName(c.name), c.address) << c.name;
    }
}

TEST(SectionFileName, OtherFilesAreNoSections) {
    for (const char* name : {"18-9.bin", "018-09.bin", "18-09.bin.new", "18-09.BIN", "256-01.bin",
                             "01-256.bin", "a1-01.bin", "18_09.bin", "-01.bin", "18-.bin",
                             "phone.cfg", ".bin", "18-09", "+1-01.bin", "1-1-01.bin"}) {
        EXPECT_FALSE(parseSectionFileName(name)) << name;
    }
}

} // namespace
