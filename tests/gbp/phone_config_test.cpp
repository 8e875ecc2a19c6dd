#include "phone_config.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct ConfigCase {
    const char* text;
    std::int64_t capacity;
    std::int64_t speed;
};

// Malformed lines are ignored and leave the default (or an earlier line's value) in force.
const ConfigCase ValueCases[] = {
    {"", PhoneConfig::DefaultCapacity, 0},
    {"capacity=1000", 1000, 0},
    {"  Capacity =  2000 \r\nspeed= 9600\r\n", 2000, 9600},
    {"CAPACITY=0\nSPEED=0", 0, 0},
    {"capacity=10\ncapacity=20", 20, 0},
    {"capacity=2147483647", 2147483647, 0},
    {"capacity=2147483648", PhoneConfig::DefaultCapacity, 0},
    {"capacity=99999999999999999999", PhoneConfig::DefaultCapacity, 0},
    {"capacity=-1", PhoneConfig::DefaultCapacity, 0},
    {"capacity=abc", PhoneConfig::DefaultCapacity, 0},
    {"capacity=12k", PhoneConfig::DefaultCapacity, 0},
    {"capacity=0x100", PhoneConfig::DefaultCapacity, 0},
    {"capacity=", PhoneConfig::DefaultCapacity, 0},
    {"capacity", PhoneConfig::DefaultCapacity, 0},
    {"capacity 500", PhoneConfig::DefaultCapacity, 0},
    {"# capacity=5", PhoneConfig::DefaultCapacity, 0},
    {"; capacity=5", PhoneConfig::DefaultCapacity, 0},
    {"capacity=500\ncapacity=oops", 500, 0},
    {"speed=1.5", PhoneConfig::DefaultCapacity, 0},
    {"speed=-100", PhoneConfig::DefaultCapacity, 0},
    {"colour=blue\ncapacity=700", 700, 0},
    {"=\n==\n\n\r\n", PhoneConfig::DefaultCapacity, 0},
    {"capacity=3000", 3000, 0}, // no line end at the end of the file
};

TEST(PhoneConfig, ReadsCapacityAndSpeedAndIgnoresMalformedLines) {
    for (const ConfigCase& c : ValueCases) {
        SCOPED_TRACE(c.text);
        const PhoneConfig config = parsePhoneConfig(c.text);
        EXPECT_EQ(config.capacity, c.capacity);
        EXPECT_EQ(config.bytesPerSecond, c.speed);
        EXPECT_TRUE(config.failures.empty());
    }
}

struct FailureCase {
    const char* text;
    PhoneCall call;
    SectionAddress section;
    std::optional<int> result;
};

const FailureCase FailureCases[] = {
    {"fail.size.18-11=-7", PhoneCall::Size, {18, 11}, -7},
    {"fail.read.18-12 = -1", PhoneCall::Read, {18, 12}, -1},
    {"fail.write.18-9=-20", PhoneCall::Write, {18, 9}, -20},
    {"fail.write.18-09=-20", PhoneCall::Write, {18, 9}, -20},
    {"FAIL.CLEAR.2-18=-3", PhoneCall::Clear, {2, 18}, -3},
    {"fail.init=-1", PhoneCall::Init, {}, -1},
    {"fail.size.18-11=-7\nfail.size.18-11=-8", PhoneCall::Size, {18, 11}, -8},
    // Only that call of only that section.
    {"fail.size.18-11=-7", PhoneCall::Size, {18, 12}, std::nullopt},
    {"fail.size.18-11=-7", PhoneCall::Read, {18, 11}, std::nullopt},
    // Malformed: not a failure, not a section, not a call, not a number.
    {"fail.size.18-11=0", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size.18-11=7", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size.18-11=", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size.18-11=-7x", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size.1811=-7", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size.18-256=-7", PhoneCall::Size, {18, 0}, std::nullopt},
    {"fail.size.-18-11=-7", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size.18--11=-7", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.end.18-11=-7", PhoneCall::Size, {18, 11}, std::nullopt},
    {"fail.size=-7", PhoneCall::Size, {0, 0}, std::nullopt},
    {"fail.init=5", PhoneCall::Init, {}, std::nullopt},
    {"fail.init=-99999999999", PhoneCall::Init, {}, std::nullopt},
};

TEST(PhoneConfig, ReadsInjectedFailures) {
    for (const FailureCase& c : FailureCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parsePhoneConfig(c.text).failureFor(c.call, c.section), c.result);
    }
}

TEST(PhoneConfig, SurvivesBinaryGarbage) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(static_cast<char>((i * 7919) & 0xFF));
    garbage += "\ncapacity=1234\n";
    garbage.insert(100, 1, '\0');
    const PhoneConfig config = parsePhoneConfig(garbage);
    EXPECT_EQ(config.capacity, 1234);
}

class PhoneConfigFile : public ::testing::Test {
  protected:
    TempFolder folder;
    std::filesystem::path file = folder.path() / PhoneConfigFileName;
};

TEST_F(PhoneConfigFile, MissingFileOrFolderGivesTheDefaults) {
    EXPECT_EQ(loadPhoneConfig(file).capacity, PhoneConfig::DefaultCapacity);
    EXPECT_EQ(loadPhoneConfig(folder.path()).capacity, PhoneConfig::DefaultCapacity);
    EXPECT_EQ(loadPhoneConfig(folder.path() / "gone" / "phone.cfg").capacity,
              PhoneConfig::DefaultCapacity);
}

TEST_F(PhoneConfigFile, AFileCutAtTheReadLimitLosesItsPartialLastLine) {
    // The limit falls inside "capacity=123456": read as it stands, it would say 1.
    std::string text = "capacity=999\n";
    text += std::string(MaxPhoneConfigBytes - text.size() - 11, '#') + "\n";
    text += "capacity=123456\n";
    ASSERT_GT(text.size(), MaxPhoneConfigBytes);
    writeFileText(file, text);
    EXPECT_EQ(loadPhoneConfig(file).capacity, 999);
}

} // namespace
