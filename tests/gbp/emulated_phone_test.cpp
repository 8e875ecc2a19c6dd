#include "emulated_phone.h"
#include "gbp_results.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

namespace fs = std::filesystem;

const SectionAddress Big9{18, 9};
const SectionAddress Big10{18, 10};
const SectionAddress Small18{2, 18};

// A phone over an empty memory folder of its own, with helpers that look at the files directly.
class EmulatedPhoneTest : public ::testing::Test {
  protected:
    EmulatedPhoneTest() {
        phone.setSleeper([this](std::chrono::milliseconds delay) { delays.push_back(delay); });
    }

    fs::path file(SectionAddress section) const { return folder.path() / sectionFileName(section); }

    void putSection(SectionAddress section, const std::string& bytes) {
        writeFileText(file(section), bytes);
    }

    std::string sectionBytes(SectionAddress section) const { return readFileText(file(section)); }

    void configure(const std::string& text) {
        writeFileText(folder.path() / PhoneConfigFileName, text);
    }

    void enter() { ASSERT_EQ(phone.initGbpMode(1), 0); }

    TempFolder folder;
    EmulatedPhone phone{[this] { return folder.path(); }};
    std::vector<std::chrono::milliseconds> delays;
};

TEST_F(EmulatedPhoneTest, OnlyPortOneHasThePhone) {
    for (int port : {0, 2, 3, 4, -1, 256}) {
        EXPECT_LT(phone.initGbpMode(port), 0) << port;
        EXPECT_FALSE(phone.inGbpMode()) << port;
    }
    EXPECT_EQ(phone.initGbpMode(1), 0);
    EXPECT_TRUE(phone.inGbpMode());
    EXPECT_EQ(phone.endGbpMode(), 0);
    EXPECT_FALSE(phone.inGbpMode());
}

TEST_F(EmulatedPhoneTest, ReadWriteAndSizeNeedGbpMode) {
    putSection(Big9, "program");
    std::array<std::uint8_t, 16> buffer{};
    const std::uint8_t data[3] = {1, 2, 3};

    for (bool afterEnd : {false, true}) {
        SCOPED_TRACE(afterEnd ? "after EndGBPMode" : "never entered");
        if (afterEnd) {
            enter();
            phone.endGbpMode();
        }
        EXPECT_EQ(phone.sectionSize(Big9), GbpResult::NotInGbpMode);
        EXPECT_EQ(phone.readSection(Big9, buffer.data(), 16), GbpResult::NotInGbpMode);
        EXPECT_EQ(phone.writeSection(Big9, data, 3), GbpResult::NotInGbpMode);
        EXPECT_EQ(phone.writeSection(Big10, data, 3), GbpResult::NotInGbpMode);
        EXPECT_EQ(sectionBytes(Big9), "program");
        EXPECT_FALSE(fs::exists(file(Big10)));
        EXPECT_EQ(buffer[0], 0);
    }
}

TEST_F(EmulatedPhoneTest, EraseWorksInAndOutOfGbpMode) {
    putSection(Big9, "a");
    putSection(Big10, "b");
    EXPECT_EQ(phone.clearSection(Big9), 0);
    EXPECT_FALSE(fs::exists(file(Big9)));
    enter();
    EXPECT_EQ(phone.clearSection(Big10), 0);
    EXPECT_FALSE(fs::exists(file(Big10)));
    EXPECT_EQ(phone.sectionSize(Big10), GbpResult::NoSuchSection);
    // Erasing what is not there is no failure.
    EXPECT_EQ(phone.clearSection(Big10), 0);
}

TEST_F(EmulatedPhoneTest, MissingSectionAnswers153) {
    enter();
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(phone.sectionSize(Big9), -153);
    EXPECT_EQ(phone.readSection(Big9, buffer.data(), 8), -153);
}

TEST_F(EmulatedPhoneTest, ReadCopiesAtMostTheBufferSize) {
    const std::string content = "0123456789";
    putSection(Big9, content);
    enter();
    struct Case {
        int size;
        int expected;
    };
    for (const Case& c : {Case{0, 0}, Case{4, 4}, Case{10, 10}, Case{128, 10}}) {
        SCOPED_TRACE(c.size);
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(c.size) + 4, 0xEE);
        EXPECT_EQ(phone.readSection(Big9, buffer.data(), c.size), c.expected);
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + c.expected),
                  content.substr(0, static_cast<std::size_t>(c.expected)));
        // Nothing past the count is touched.
        for (std::size_t i = static_cast<std::size_t>(c.expected); i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0xEE) << i;
    }
    EXPECT_EQ(phone.sectionSize(Big9), 10);
}

TEST_F(EmulatedPhoneTest, BadArgumentsFailAndChangeNothing) {
    putSection(Big9, "keep");
    enter();
    std::array<std::uint8_t, 4> buffer{};
    const std::uint8_t data[4] = {'n', 'e', 'w', '!'};
    EXPECT_LT(phone.readSection(Big9, nullptr, 4), 0);
    EXPECT_LT(phone.readSection(Big9, nullptr, 0), 0);
    EXPECT_LT(phone.readSection(Big9, buffer.data(), -1), 0);
    EXPECT_LT(phone.writeSection(Big9, data, -1), 0);
    EXPECT_LT(phone.writeSection(Big9, nullptr, 4), 0);
    EXPECT_LT(phone.writeSection(Big10, nullptr, 1), 0);
    EXPECT_EQ(sectionBytes(Big9), "keep");
    EXPECT_FALSE(fs::exists(file(Big10)));
}

TEST_F(EmulatedPhoneTest, WriteReplacesTheWholeSection) {
    putSection(Big9, "a much longer old content");
    enter();
    const std::uint8_t data[3] = {'n', 'e', 'w'};
    EXPECT_EQ(phone.writeSection(Big9, data, 3), 3);
    EXPECT_EQ(sectionBytes(Big9), "new");
    EXPECT_EQ(phone.writeSection(Big10, data, 2), 2);
    EXPECT_EQ(sectionBytes(Big10), "ne");
    // No scratch files left behind.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 2u);
}

TEST_F(EmulatedPhoneTest, WriteOfZeroBytesLeavesAnExistingEmptySection) {
    enter();
    const std::uint8_t data[1] = {0};
    for (const std::uint8_t* source : {data, static_cast<const std::uint8_t*>(nullptr)}) {
        putSection(Big9, "old");
        EXPECT_EQ(phone.writeSection(Big9, source, 0), 0);
        EXPECT_TRUE(fs::exists(file(Big9)));
        EXPECT_EQ(phone.sectionSize(Big9), 0);
    }
}

TEST_F(EmulatedPhoneTest, WriteThatDoesNotFitDoesNotTake) {
    configure("capacity=1000\n");
    putSection(Big9, std::string(600, 'a'));
    putSection(Small18, std::string(300, 'p'));
    enter();
    const std::vector<std::uint8_t> data(1000, 'b');

    // 600 + 300 + 101 > 1000: refused, and the section stays as it was (missing).
    EXPECT_LT(phone.writeSection(Big10, data.data(), 101), 0);
    EXPECT_EQ(phone.sectionSize(Big10), -153);
    EXPECT_EQ(phone.writeSection(Big10, data.data(), 100), 100);

    // A rewrite counts the section's old size as free again: 700 fits exactly after 600 goes.
    putSection(Big10, "");
    EXPECT_EQ(phone.writeSection(Big9, data.data(), 700), 700);
    EXPECT_LT(phone.writeSection(Big9, data.data(), 701), 0);
    EXPECT_EQ(sectionBytes(Big9), std::string(700, 'b'));
    EXPECT_EQ(phone.sectionSize(Big9), 700);
}

TEST_F(EmulatedPhoneTest, InjectedFailuresHitOnlyTheirCallAndSection) {
    putSection(Big9, "nine");
    putSection(Big10, "ten");
    putSection({18, 11}, "eleven");
    putSection({18, 12}, "twelve");
    configure("fail.size.18-11=-7\nfail.read.18-12=-1\nfail.write.18-9=-9\nfail.clear.18-10=-4\n");
    enter();
    std::array<std::uint8_t, 8> buffer{};
    const std::uint8_t data[2] = {'x', 'y'};

    EXPECT_EQ(phone.sectionSize({18, 11}), -7);
    EXPECT_EQ(phone.sectionSize({18, 12}), 6);
    EXPECT_EQ(phone.readSection({18, 12}, buffer.data(), 8), -1);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(phone.readSection({18, 11}, buffer.data(), 8), 6);
    EXPECT_EQ(phone.writeSection(Big9, data, 2), -9);
    EXPECT_EQ(sectionBytes(Big9), "nine");
    EXPECT_EQ(phone.writeSection(Big10, data, 2), 2);
    EXPECT_EQ(phone.clearSection(Big10), -4);
    EXPECT_TRUE(fs::exists(file(Big10)));
    EXPECT_EQ(phone.clearSection(Big9), 0);
}

TEST_F(EmulatedPhoneTest, InjectedInitFailureKeepsThePhoneOutOfGbpMode) {
    configure("fail.init=-2\n");
    EXPECT_EQ(phone.initGbpMode(1), -2);
    EXPECT_FALSE(phone.inGbpMode());
}

TEST_F(EmulatedPhoneTest, ConfigIsReadAfreshOnEveryCall) {
    putSection(Big9, "nine");
    enter();
    EXPECT_EQ(phone.sectionSize(Big9), 4);
    configure("fail.size.18-9=-30\n");
    EXPECT_EQ(phone.sectionSize(Big9), -30);
    configure("# all well again\n");
    EXPECT_EQ(phone.sectionSize(Big9), 4);
    fs::remove(folder.path() / PhoneConfigFileName);
    EXPECT_EQ(phone.sectionSize(Big9), 4);
}

TEST_F(EmulatedPhoneTest, LineSpeedDelaysTransfersByTheirSize) {
    putSection(Big9, std::string(500, 'a'));
    enter();
    std::vector<std::uint8_t> buffer(2000);
    phone.readSection(Big9, buffer.data(), 2000);
    EXPECT_TRUE(delays.empty()) << "no speed set: no delay";

    configure("speed=1000\n");
    EXPECT_EQ(phone.readSection(Big9, buffer.data(), 2000), 500);
    EXPECT_EQ(phone.writeSection(Big10, buffer.data(), 2000), 2000);
    phone.sectionSize(Big9);
    ASSERT_EQ(delays.size(), 2u);
    EXPECT_EQ(delays[0].count(), 500);
    EXPECT_EQ(delays[1].count(), 2000);

    // A silly speed never hangs the manager for hours.
    configure("speed=1\n");
    phone.readSection(Big9, buffer.data(), 2000);
    EXPECT_EQ(delays.back(), EmulatedPhone::MaxLineDelay);
}

TEST_F(EmulatedPhoneTest, OddEntriesInTheFolderAreFailuresNotCrashes) {
    fs::create_directory(file(Big9));
    fs::create_directory(folder.path() / "junk");
    writeFileText(folder.path() / "notes.txt", std::string(5000, 'x'));
    enter();
    std::array<std::uint8_t, 8> buffer{};
    const std::uint8_t data[2] = {'x', 'y'};
    EXPECT_LT(phone.sectionSize(Big9), 0);
    EXPECT_NE(phone.sectionSize(Big9), -153);
    EXPECT_LT(phone.readSection(Big9, buffer.data(), 8), 0);
    EXPECT_LT(phone.writeSection(Big9, data, 2), 0);
    EXPECT_LT(phone.clearSection(Big9), 0);
    EXPECT_TRUE(fs::is_directory(file(Big9)));
    // Files that are no sections do not count against the capacity.
    configure("capacity=10\n");
    EXPECT_EQ(phone.writeSection(Big10, data, 2), 2);
}

TEST_F(EmulatedPhoneTest, AFolderThatVanishedMidSessionHoldsNoSections) {
    putSection(Big9, "nine");
    enter();
    fs::remove_all(folder.path());
    std::array<std::uint8_t, 8> buffer{};
    const std::uint8_t data[2] = {'x', 'y'};
    EXPECT_EQ(phone.sectionSize(Big9), -153);
    EXPECT_EQ(phone.readSection(Big9, buffer.data(), 8), -153);
    EXPECT_LT(phone.writeSection(Big9, data, 2), 0);
    EXPECT_EQ(phone.clearSection(Big9), 0);
    EXPECT_FALSE(fs::exists(folder.path())) << "only entering GBP mode makes a new phone";
}

TEST_F(EmulatedPhoneTest, EnteringGbpModeKeepsAnExistingEmptyFolderEmpty) {
    enter();
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(EmulatedPhoneTest, EnteringGbpModeOnAMissingFolderCreatesTheDemoPhone) {
    const fs::path fresh = folder.path() / "new" / "phone";
    EmulatedPhone newPhone([&] { return fresh; });
    EXPECT_EQ(newPhone.initGbpMode(1), 0);
    EXPECT_EQ(newPhone.sectionSize(Big9), 9216);
    EXPECT_EQ(newPhone.sectionSize({18, 18}), -153);
}

TEST_F(EmulatedPhoneTest, APhoneFolderThatIsAFileCannotEnterGbpMode) {
    const fs::path notAFolder = folder.path() / "phone";
    writeFileText(notAFolder, "x");
    EmulatedPhone newPhone([&] { return notAFolder; });
    EXPECT_LT(newPhone.initGbpMode(1), 0);
    EXPECT_FALSE(newPhone.inGbpMode());
}

} // namespace
