#include "link/phone_link.h"

#include <gtest/gtest.h>

namespace {

extern "C" {
int stubInit(int port) { return port == 1 ? 0 : -1; }
int stubEnd() { return 0; }
int stubRead(unsigned char group, unsigned char slot, void*, int) { return group * 1000 + slot; }
int stubSize(unsigned char group, unsigned char slot) { return group * 1000 + slot; }
}

TEST(PhoneLinkBinding, ThreeRequiredEntryPointsAreEnough) {
    PhoneLink link;
    GbpEntryPoints entry;
    entry.InitGBPMode = stubInit;
    entry.EndGBPMode = stubEnd;
    entry.ReadNVMFile = stubRead;
    ASSERT_TRUE(link.bindEntryPoints(entry));
    EXPECT_EQ(link.InitGBPMode(1), 0);
    // The optional ones the library lacks answer as a failed call would.
    EXPECT_EQ(link.WriteNVMFile(18, 9, nullptr, 0), -1);
    EXPECT_EQ(link.ClearNVMFile(18, 9), -1);
    EXPECT_EQ(link.GetNVMFileSize(18, 9), -1);
}

TEST(PhoneLinkBinding, EachRequiredEntryPointIsNeeded) {
    const GbpEntryPoints full{stubInit, stubEnd, stubRead, nullptr, nullptr, stubSize};
    for (int missing = 0; missing < 3; ++missing) {
        GbpEntryPoints entry = full;
        if (missing == 0)
            entry.InitGBPMode = nullptr;
        if (missing == 1)
            entry.EndGBPMode = nullptr;
        if (missing == 2)
            entry.ReadNVMFile = nullptr;
        PhoneLink link;
        EXPECT_FALSE(link.bindEntryPoints(entry)) << "missing entry point " << missing;
        EXPECT_FALSE(link.isBound());
    }
}

TEST(PhoneLinkBinding, GroupAndSlotTravelAsBytes) {
    PhoneLink link;
    ASSERT_TRUE(link.bindEntryPoints({stubInit, stubEnd, stubRead, nullptr, nullptr, stubSize}));
    EXPECT_EQ(link.GetNVMFileSize(18, 9), 18009);
    EXPECT_EQ(link.GetNVMFileSize(2, 256 + 17), 2017);
    EXPECT_EQ(link.GetNVMFileSize(2, -1), 2255);
}

TEST(PhoneLinkBinding, ALibraryWithTheRequiredEntryPointsOnlyBindsFromItsFolder) {
    PhoneLink link;
    ASSERT_TRUE(link.bindLibrary(MINIMAL_LINK_DIR));
    EXPECT_EQ(link.InitGBPMode(1), 0);
    unsigned char header[128];
    EXPECT_EQ(link.ReadNVMFile(18, 9, header, 128), 0);
    EXPECT_EQ(link.WriteNVMFile(18, 9, header, 128), -1);
    EXPECT_EQ(link.ClearNVMFile(18, 9), -1);
    EXPECT_EQ(link.GetNVMFileSize(18, 9), -1);
    EXPECT_EQ(link.EndGBPMode(), 0);
    link.release();
}

TEST(PhoneLinkBinding, NoLibraryNoBinding) {
    PhoneLink link;
    EXPECT_FALSE(link.bindLibrary("/nonexistent-folder-for-zav3"));
    EXPECT_FALSE(link.isBound());
    EXPECT_EQ(link.InitGBPMode(1), -1);
}

} // namespace
