#include "mod_command_fixture.h"

#include "link/link_idle.h"

#include <QPushButton>

#include <filesystem>

namespace {

using DeveloperTools = ModCommandFixture;

TEST_F(DeveloperTools, MergeTakesTheReferenceOrderAndTheSourceAddresses) {
    ScopedCurrentFolder here(temp.path());
    writeFileText(temp.file("514lg4.lib"), "# reference\n#RELEASE=5\nA0 printf\nA4 missing\n"
                                           "A8 strlen\nAC malloc\n");
    // Header lines after the first entry are not copied, but their names still match.
    writeFileText(temp.file("fw.lib"), "# firmware 3.10\r\n#RELEASE=7\r\n10 strlen\r\n20 printf\r\n"
                                       "#30 malloc\r\n40 printf\r\n50 malloc\r\n");
    dialogs.fileAnswers = {temp.file("fw.lib")};
    LinkIdle = false;

    form().Button8->click();

    EXPECT_EQ(readFileText(temp.file("fw.lib_")),
              "# firmware 3.10\r\n#RELEASE=7\r\n20 printf\r\n10 strlen\r\n#30 malloc\r\n");
    EXPECT_EQ(dialogs.fileDialogsShown, std::vector<FileDialogId>{FileDialogId::OpenDialog2});
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(LinkIdle);
}

TEST_F(DeveloperTools, MergeWithoutReferenceEntriesKeepsOnlyTheSourceHeader) {
    ScopedCurrentFolder here(temp.path());
    writeFileText(temp.file("514lg4.lib"), "# only a header\n");
    writeFileText(temp.file("fw.lib"), "#A\n#B\n\n10 printf\n");
    writeFileText(temp.file("fw.lib_"), "an older, longer result that must not survive\n");
    dialogs.fileAnswers = {temp.file("fw.lib")};
    form().Button8->click();
    EXPECT_EQ(readFileText(temp.file("fw.lib_")), "#A\r\n#B\r\n");
}

TEST_F(DeveloperTools, MergeNeedsBothListsAndWritesNothingWithoutThem) {
    struct Case {
        const char* name;
        bool reference;
        bool source;
        std::string missing;
    };
    const Case cases[] = {
        {"no reference list", false, true, "514lg4.lib"},
        {"no source list", true, false, "fw.lib"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        ScopedCurrentFolder here(folder.path());
        if (c.reference)
            writeFileText(folder.file("514lg4.lib"), "A0 printf\n");
        if (c.source)
            writeFileText(folder.file("fw.lib"), "20 printf\n");
        dialogs.fileAnswers = {folder.file("fw.lib")};
        seen.clear();
        LinkIdle = false; // no command has run yet

        form().Button8->click();

        const std::string named = c.missing == "fw.lib" ? folder.file("fw.lib") : c.missing;
        EXPECT_EQ(seen, std::vector<std::string>{"ERROR: Cannot open file " + named});
        EXPECT_FALSE(std::filesystem::exists(folder.file("fw.lib_")));
        EXPECT_FALSE(LinkIdle) << "the merge leaves the flag alone, even when it fails";
    }
}

TEST_F(DeveloperTools, MergeCancelledDoesNothing) {
    ScopedCurrentFolder here(temp.path());
    dialogs.fileAnswers = {std::nullopt};
    form().Button8->click();
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(std::filesystem::is_empty(temp.path()));
}

TEST_F(DeveloperTools, RawUploadSendsAtMost64KiBInto17_19) {
    std::vector<std::uint8_t> file(70000);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i % 251);
    writeBytes(temp.file("raw.bin"), file);
    dialogs.fileAnswers = {temp.file("raw.bin")};

    form().Button9->click();

    EXPECT_EQ(phone.calls, verifiedWriteCalls("17,19", 65536));
    ASSERT_EQ(phone.writes.size(), 1u);
    EXPECT_EQ(phone.writes[0], std::vector<std::uint8_t>(file.begin(), file.begin() + 65536));
    EXPECT_EQ(seen, uploadedSeen(65536));
    EXPECT_EQ(dialogs.fileDialogsShown, std::vector<FileDialogId>{FileDialogId::OpenDialog1});
    EXPECT_TRUE(LinkIdle);
}

TEST_F(DeveloperTools, RawUploadCancelledOrUnreadable) {
    const std::string missing = temp.file("missing.bin");
    struct Case {
        std::optional<std::string> answer;
        std::vector<std::string> seen;
        bool idleAfter;
    };
    const Case cases[] = {
        {std::nullopt, {}, false},
        {missing, {"status: Uploading data...", "ERROR: Cannot open file " + missing}, true},
    };
    for (const auto& c : cases) {
        seen.clear();
        LinkIdle = false;
        dialogs.fileAnswers = {c.answer};
        form().Button9->click();
        EXPECT_TRUE(phone.calls.empty());
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(LinkIdle, c.idleAfter);
    }
}

TEST_F(DeveloperTools, EraseGoesStraightToTheLinkAndAlwaysSaysErased) {
    for (const int answer : {0, -1}) {
        SCOPED_TRACE(answer);
        phone.reset();
        phone.put(17, 19, {1, 2, 3});
        phone.overrides = answer == 0 ? std::map<std::string, int>{}
                                      : std::map<std::string, int>{{"ClearNVMFile(17,19)", answer}};
        seen.clear();
        for (const bool idle : {false, true}) {
            LinkIdle = idle;
            form().Button10->click();
            EXPECT_EQ(LinkIdle, idle);
        }
        EXPECT_EQ(phone.calls,
                  (std::vector<std::string>{"ClearNVMFile(17,19)", "ClearNVMFile(17,19)"}));
        EXPECT_EQ(seen, (std::vector<std::string>{"status: Erased!", "status: Erased!"}));
        EXPECT_EQ(phone.sections.count({17, 19}), answer == 0 ? 0u : 1u);
    }
}

} // namespace
