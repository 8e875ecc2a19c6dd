#include "mod_command_fixture.h"

#include "link/link_idle.h"

#include <deque>
#include <map>

namespace {

using VerifiedWrite = ModCommandFixture;

const std::vector<std::string> WriteCalls = inGbpMode({"WriteNVMFile(2,16,2048)"});
const std::vector<std::string> WriteAndCheckCalls = verifiedWriteCalls("2,16", 2048);

TEST_F(VerifiedWrite, TheSizeCheckDecidesWhatTheUserIsTold) {
    struct Case {
        const char* name;
        std::deque<int> initResults;
        bool writesTake;
        std::map<std::string, int> overrides;
        std::vector<std::string> calls;
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {"size as written",
         {},
         true,
         {},
         WriteAndCheckCalls,
         {"status: Checking data...", uploadedBox(2048), "status: Uploaded!"}},
        {"phone keeps nothing",
         {},
         false,
         {},
         WriteAndCheckCalls,
         {"status: Checking data...", UploadErrorBox, "status: Uploaded!"}},
        {"size answers an error code",
         {},
         true,
         {{"GetNVMFileSize(2,16)", -5}},
         WriteAndCheckCalls,
         {"status: Checking data...", UploadErrorBox, "status: Uploaded!"}},
        {"no GBP mode for the write", {-1}, true, {}, {"InitGBPMode(1)"}, {CantInitBox}},
        {"no GBP mode for the check",
         {0, -1},
         true,
         {},
         joined({WriteCalls, {"InitGBPMode(1)"}}),
         {"status: Checking data...", CantInitBox, "status: Uploaded!"}},
    };
    const std::vector<std::uint8_t> data(2048, 0x5A);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        phone.initResults = c.initResults;
        phone.writesTake = c.writesTake;
        phone.overrides = c.overrides;
        seen.clear();
        LinkIdle = false;

        form().verifiedWrite(2, 16, data.data(), static_cast<int>(data.size()));

        EXPECT_EQ(phone.calls, c.calls);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(phone.callsOutsideGbpMode, 0);
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(VerifiedWrite, TheWrittenBytesReachTheSectionUnchanged) {
    const std::vector<std::uint8_t> data = {0x00, 0xFF, 0x7F, 0x80, 0x01};
    form().verifiedWrite(17, 19, data.data(), static_cast<int>(data.size()));
    EXPECT_EQ(phone.sections.at({17, 19}), data);
    EXPECT_EQ(seen.at(1), uploadedBox(5));
}

TEST_F(VerifiedWrite, ALengthOfZeroIsWrittenAndComparedLikeAnyOther) {
    form().verifiedWrite(2, 16, nullptr, 0);
    EXPECT_EQ(phone.calls, verifiedWriteCalls("2,16", 0));
    EXPECT_EQ(seen, (std::vector<std::string>{"status: Checking data...", uploadedBox(0),
                                              "status: Uploaded!"}));
}

TEST_F(VerifiedWrite, TheLinkStaysBusyUntilTheCheckHasBeenTold) {
    std::vector<bool> idleAtBoxes;
    dialogs.onMessage = [&](const ShownMessage&) { idleAtBoxes.push_back(LinkIdle); };
    const std::vector<std::uint8_t> data(10, 1);
    LinkIdle = false;
    form().verifiedWrite(2, 16, data.data(), 10);
    EXPECT_EQ(idleAtBoxes, std::vector<bool>{false});
    EXPECT_TRUE(LinkIdle);
}

TEST_F(VerifiedWrite, CheckUploadedSizeAnswersTheSizeOnlyWhenItMatches) {
    struct Case {
        const char* name;
        std::deque<int> initResults;
        int phoneAnswer; // the section's size, or an error code
        int expected;
        int result;
        std::string box;
    };
    const Case cases[] = {
        {"match", {}, 300, 300, 300, uploadedBox(300)},
        {"phone holds less", {}, 299, 300, -1, UploadErrorBox},
        {"phone holds more", {}, 301, 300, -1, UploadErrorBox},
        // An error code is never a size, even when the caller expects that very number.
        {"error code equal to the expectation", {}, -5, -5, -1, UploadErrorBox},
        {"no GBP mode", {-1}, 300, 300, -1, CantInitBox},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        phone.initResults = c.initResults;
        phone.overrides = {{"GetNVMFileSize(17,19)", c.phoneAnswer}};
        seen.clear();

        EXPECT_EQ(form().CheckUploadedSize(17, 19, c.expected), c.result);
        EXPECT_EQ(seen, (std::vector<std::string>{"status: Checking data...", c.box}));
        EXPECT_EQ(phone.callsOutsideGbpMode, 0);
    }
}

} // namespace
