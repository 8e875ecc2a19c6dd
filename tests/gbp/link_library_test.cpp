// The built libgbp.so, loaded the way the manager loads it, against a memory folder of the
// test's own.

#include "gbp_results.h"
#include "phone_config.h"
#include "phone_folder.h"
#include "temp_folder.h"

#include "link/phone_link.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

namespace fs = std::filesystem;

class LinkLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(link.bindLibrary(GBP_LIBRARY_DIR)); }

    TempFolder temp;
    PhoneLink link;
};

TEST_F(LinkLibraryTest, AFreshFolderGetsTheDemoPhoneAndAllSixCallsWork) {
    const fs::path folder = temp.path() / "phone-nvm";
    const ScopedEnvironment env(PhoneFolderVariable, folder.c_str());

    EXPECT_LT(link.InitGBPMode(2), 0);
    EXPECT_LT(link.GetNVMFileSize(18, 9), 0) << "not in GBP mode";
    ASSERT_EQ(link.InitGBPMode(1), 0);

    // The demo: a UFIF 2.0 program in 18-9, nothing in 18-21.
    EXPECT_EQ(link.GetNVMFileSize(18, 9), 9216);
    std::array<std::uint8_t, 128> header{};
    EXPECT_EQ(link.ReadNVMFile(18, 9, header.data(), 128), 128);
    EXPECT_EQ(header[3], 0x20);
    EXPECT_EQ(header[2], 0x00);
    EXPECT_EQ(link.GetNVMFileSize(18, 21), -153);
    EXPECT_EQ(link.ReadNVMFile(18, 21, header.data(), 128), -153);

    // Write, read back, erase.
    const std::vector<std::uint8_t> program(3000, 0x5A);
    EXPECT_EQ(link.WriteNVMFile(18, 21, program.data(), 3000), 3000);
    EXPECT_EQ(link.GetNVMFileSize(18, 21), 3000);
    std::vector<std::uint8_t> back(4000, 0);
    EXPECT_EQ(link.ReadNVMFile(18, 21, back.data(), 4000), 3000);
    EXPECT_TRUE(std::equal(program.begin(), program.end(), back.begin()));
    EXPECT_EQ(link.ClearNVMFile(18, 21), 0);
    EXPECT_EQ(link.GetNVMFileSize(18, 21), -153);

    EXPECT_EQ(link.EndGBPMode(), 0);
    EXPECT_LT(link.ReadNVMFile(18, 9, header.data(), 128), 0) << "GBP mode ended";
    // The hidden erase tool clears without entering GBP mode.
    EXPECT_EQ(link.ClearNVMFile(2, 12), 0);
    EXPECT_FALSE(fs::exists(folder / "02-12.bin"));
}

TEST_F(LinkLibraryTest, AnEmptyFolderStaysEmptyAndHonoursItsConfig) {
    const ScopedEnvironment env(PhoneFolderVariable, temp.path().c_str());
    writeFileText(temp.path() / PhoneConfigFileName, "capacity=100\nfail.size.18-11=-7\n");
    ASSERT_EQ(link.InitGBPMode(1), 0);
    EXPECT_EQ(link.GetNVMFileSize(18, 9), -153);
    EXPECT_EQ(link.GetNVMFileSize(18, 11), -7);

    const std::vector<std::uint8_t> data(101, 1);
    EXPECT_LT(link.WriteNVMFile(18, 9, data.data(), 101), 0);
    EXPECT_EQ(link.GetNVMFileSize(18, 9), -153) << "a write that does not fit does not take";
    EXPECT_EQ(link.WriteNVMFile(18, 9, data.data(), 100), 100);
    EXPECT_EQ(link.WriteNVMFile(18, 10, data.data(), 0), 0);
    EXPECT_EQ(link.GetNVMFileSize(18, 10), 0);
    EXPECT_LT(link.ReadNVMFile(18, 9, nullptr, 10), 0);
    EXPECT_LT(link.WriteNVMFile(18, 9, nullptr, 10), 0);
    link.EndGBPMode();

    writeFileText(temp.path() / PhoneConfigFileName, "fail.init=-1\n");
    EXPECT_NE(link.InitGBPMode(1), 0);
}

} // namespace
