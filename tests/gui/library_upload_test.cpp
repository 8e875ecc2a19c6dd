#include "mod_command_fixture.h"
#include "numbered_bytes.h"

#include "link/link_idle.h"

#include <QPushButton>

#include <cstdio>

namespace {

using Ufif2LibraryUpload = ModCommandFixture;
using Prg3LibraryUpload = ModCommandFixture;

const std::vector<std::string> ReadPreferences = inGbpMode({"ReadNVMFile(2,18,12)"});
const std::string TooBigBox = "ERROR: Can't uplod - library file too big!";

TEST_F(Ufif2LibraryUpload, GoesToTheSectionThePreferencesName) {
    struct Case {
        const char* name;
        StoredPreferences stored;
        std::string question;
        std::string section;
    };
    const Case cases[] = {
        {"named by the record",
         {3, 20, 2},
         "Are you sure to upload library into section 2-20?",
         "2,20"},
        {"group byte 0: the mod's own",
         {3, 44, 0},
         "Are you sure to upload library into section 2-17?",
         "2,17"},
    };
    const std::vector<std::uint8_t> library = numberedBytes(1000);
    const std::string file = temp.file("ext.lib");
    writeBytes(file, library);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        phone.put(2, 18, c.stored.bytes());
        seen.clear();
        dialogs.questions.clear();
        dialogs.confirmAnswers = {true};
        dialogs.fileAnswers = {file};

        form().Button5->click();

        EXPECT_EQ(dialogs.questions, std::vector<std::string>{c.question});
        EXPECT_EQ(phone.calls, joined({ReadPreferences, verifiedWriteCalls(c.section, 1000)}));
        ASSERT_EQ(phone.writes.size(), 1u);
        EXPECT_EQ(phone.writes[0], library);
        EXPECT_EQ(seen, uploadedSeen(1000));
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Ufif2LibraryUpload, TheLibraryMustFitItsSection) {
    struct Case {
        std::size_t length;
        bool written;
    };
    const std::string file = temp.file("ext.lib");
    for (const Case c : {Case{21504, true}, Case{21505, false}, Case{0, true}}) {
        SCOPED_TRACE(c.length);
        phone.reset();
        phone.put(2, 18, StoredPreferences{}.bytes());
        seen.clear();
        writeBytes(file, numberedBytes(c.length));
        dialogs.confirmAnswers = {true};
        dialogs.fileAnswers = {file};

        form().Button5->click();

        if (c.written) {
            EXPECT_EQ(phone.calls, joined({ReadPreferences, verifiedWriteCalls("2,17", c.length)}));
            ASSERT_EQ(phone.writes.size(), 1u);
            EXPECT_EQ(phone.writes[0], numberedBytes(c.length));
            EXPECT_EQ(seen, uploadedSeen(c.length));
        } else {
            EXPECT_EQ(phone.calls, ReadPreferences);
            EXPECT_EQ(seen, (std::vector<std::string>{"status: Uploading data...", TooBigBox}));
        }
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Ufif2LibraryUpload, StopsWithoutWritingAnything) {
    struct Case {
        const char* name;
        bool recordStored;
        std::deque<bool> confirmAnswers;
        std::deque<std::optional<std::string>> fileAnswers;
        std::size_t questions;
        std::size_t fileDialogs;
        std::vector<std::string> seen;
        int initResult = 0; // of the GBP mode entry for the preferences read
    };
    const std::string missing = temp.file("no such.lib");
    const Case cases[] = {
        {"cancel in the question", true, {false}, {}, 1, 0, {}},
        {"cancel in the file dialog", true, {true}, {std::nullopt}, 1, 1, {}},
        {"unreadable preferences",
         false,
         {true},
         {},
         0,
         0,
         {"ERROR: Error reading section 2-18", "ERROR: '' is not a valid integer value"}},
        {"no GBP mode for the preferences",
         true,
         {true},
         {},
         0,
         0,
         {"ERROR: Can't Init GPB Mode", "ERROR: '' is not a valid integer value"},
         -1},
        {"a file that cannot be opened",
         true,
         {true},
         {missing},
         1,
         1,
         {"status: Uploading data...", "ERROR: Cannot open file " + missing}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        if (c.recordStored)
            phone.put(2, 18, StoredPreferences{}.bytes());
        seen.clear();
        dialogs.questions.clear();
        dialogs.fileDialogsShown.clear();
        dialogs.confirmAnswers = c.confirmAnswers;
        dialogs.fileAnswers = c.fileAnswers;
        phone.initResults = {c.initResult};
        LinkIdle = false;

        form().Button5->click();

        EXPECT_EQ(phone.calls,
                  c.initResult ? std::vector<std::string>{"InitGBPMode(1)"} : ReadPreferences);
        EXPECT_TRUE(phone.writes.empty());
        EXPECT_EQ(dialogs.questions.size(), c.questions);
        EXPECT_EQ(dialogs.fileDialogsShown.size(), c.fileDialogs);
        EXPECT_EQ(seen, c.seen);
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Ufif2LibraryUpload, UsesTheFirstOpenDialog) {
    phone.put(2, 18, StoredPreferences{}.bytes());
    dialogs.confirmAnswers = {true};
    form().Button5->click();
    EXPECT_EQ(dialogs.fileDialogsShown, std::vector<FileDialogId>{FileDialogId::OpenDialog1});
}

// A PRG3 library text of a release line and the given number of entry lines; the words are
// the release 3 and the entries' addresses 0x1000, 0x1001, ...
std::string prg3Text(std::size_t entries) {
    std::string text = "# made by the tests\r\nRELEASE=3\r\n";
    for (std::size_t i = 0; i < entries; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%zX sym%zu\r\n", 0x1000 + i, i);
        text += line;
    }
    return text;
}

std::vector<std::uint8_t> prg3Image(std::size_t entries) {
    std::vector<std::uint8_t> image = {3, 0, 0, 0};
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t word = 0x1000 + i;
        image.insert(image.end(),
                     {static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8), 0, 0});
    }
    return image;
}

TEST_F(Prg3LibraryUpload, TheImageGoesToSection2_16) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::uint8_t> image;
    };
    const Case cases[] = {
        {"512 words fill the section", prg3Text(511), prg3Image(511)},
        {"only comments: an empty library", "# list\r\n\r\n#RELEASE\r\n", {}},
        {"entries in every accepted form",
         "RELEASE=12\nffffffff x\n$1F y\n-5 z\n1A2B\tname\n",
         {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x1F, 0, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF}},
    };
    const std::string file = temp.file("prg3.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        seen.clear();
        writeFileText(file, c.text);
        dialogs.fileAnswers = {file};

        form().Button6->click();

        EXPECT_EQ(phone.calls, verifiedWriteCalls("2,16", c.image.size()));
        ASSERT_EQ(phone.writes.size(), 1u);
        EXPECT_EQ(phone.writes[0], c.image);
        EXPECT_EQ(seen, uploadedSeen(c.image.size()));
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Prg3LibraryUpload, StopsWithoutWritingAnything) {
    struct Case {
        const char* name;
        std::optional<std::string> text; // nullopt: the user cancels the file dialog
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {"513 words", prg3Text(512), {"status: Uploading data...", TooBigBox}},
        {"a release line without a digit",
         prg3Text(2) + "RELEASE=x\r\n",
         {"status: Uploading data...", "ERROR: 'x' is not a valid integer value"}},
        {"a release line ending at its '='",
         "RELEASE=",
         {"status: Uploading data...", "ERROR: '' is not a valid integer value"}},
        {"cancel", std::nullopt, {}},
    };
    const std::string file = temp.file("prg3.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        seen.clear();
        if (c.text) {
            writeFileText(file, *c.text);
            dialogs.fileAnswers = {file};
        } else {
            dialogs.fileAnswers = {std::nullopt};
        }
        LinkIdle = false;

        form().Button6->click();

        EXPECT_TRUE(phone.calls.empty());
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(LinkIdle, c.text.has_value());
    }
}

TEST_F(Prg3LibraryUpload, AFileThatCannotBeOpened) {
    const std::string missing = temp.file("missing.txt");
    dialogs.fileAnswers = {missing};
    form().Button6->click();
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(seen, (std::vector<std::string>{"status: Uploading data...",
                                              "ERROR: Cannot open file " + missing}));
    EXPECT_TRUE(LinkIdle);
}

} // namespace
