#include "sections/section_table.h"
#include "sections/slot_map.h"

#include <gtest/gtest.h>

namespace {

class SlotMap : public ::testing::Test {
protected:
    void SetUp() override {
        FirstBig = 9;
        BigSlots = 21;
        FirstSmall = 10;
        SmallSlots = 5;
    }
};

TEST_F(SlotMap, RowsOfAddresses) {
    struct Case {
        int group, slot, row;
    };
    const Case cases[] = {
        {18, 9, 1},  {18, 29, 21}, {2, 10, 22}, {2, 14, 26}, {2, 15, 0},
        {18, 8, 0},  {18, 35, 0},  {2, 200, 0},  {17, 19, 0}, {3, 10, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowForAddress(c.group, c.slot), c.row) << c.group << "-" << c.slot;
}

TEST_F(SlotMap, AddressesOfRows) {
    EXPECT_EQ(addressForRow(1), (SectionAddress{18, 9}));
    EXPECT_EQ(addressForRow(21), (SectionAddress{18, 29}));
    EXPECT_EQ(addressForRow(22), (SectionAddress{2, 10}));
    EXPECT_EQ(addressForRow(26), (SectionAddress{2, 14}));
    for (int row = 1; row <= BigSlots + SmallSlots; ++row) {
        const SectionAddress a = addressForRow(row);
        EXPECT_EQ(rowForAddress(a.group, a.slot), row);
    }
    EXPECT_EQ(gridRowCount(), 27);
}

TEST_F(SlotMap, SmallRangeFollowsTheBigOneWhateverTheirSlots) {
    FirstBig = 5;
    BigSlots = 3;
    FirstSmall = 0;
    SmallSlots = 2;
    EXPECT_EQ(rowForAddress(2, 0), 4);
    EXPECT_EQ(rowForAddress(2, 1), 5);
    EXPECT_EQ(rowForAddress(2, 2), 0);
    EXPECT_EQ(addressForRow(3), (SectionAddress{18, 7}));
    EXPECT_EQ(gridRowCount(), 6);
}

TEST(SlotRanges, LimitsOfTheTableAndTheLink) {
    EXPECT_TRUE(slotRangesFit(9, 21, 10, 5));
    EXPECT_TRUE(slotRangesFit(0, 99, 0, 0));
    EXPECT_FALSE(slotRangesFit(0, 50, 0, 50));
    EXPECT_FALSE(slotRangesFit(250, 7, 10, 5));
    EXPECT_TRUE(slotRangesFit(250, 6, 10, 5));
    EXPECT_FALSE(slotRangesFit(9, -1, 10, 5));
    EXPECT_FALSE(slotRangesFit(-1, 3, 10, 5));
    EXPECT_FALSE(slotRangesFit(9, 21, 256, 1));
    EXPECT_FALSE(slotRangesFit(9, 2147483647, 10, 5));
}

TEST(SectionTableReset, EveryEntryBackToItsInitialState) {
    SectionTable[0] = {SectionKind::Program, "x", 7, 9};
    SectionTable[99] = {SectionKind::Gif, "< GIF-File >", 1, 2};
    resetSectionTable();
    for (const auto& entry : SectionTable) {
        EXPECT_EQ(entry.kind, SectionKind::Empty);
        EXPECT_EQ(entry.caption, "");
        EXPECT_EQ(entry.formatWord, 0u);
        EXPECT_EQ(entry.size, 0);
    }
}

} // namespace
