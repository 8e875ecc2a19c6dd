#include "transfer_test_support.h"

#include "sections/slot_map.h"

#include <QPushButton>

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

using namespace transfer_test;
namespace fs = std::filesystem;

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// --- Download and Play GIF ---

using ReadCommands = TransferFixture;

TEST_F(ReadCommands, SaveExactlyTheBytesTheLinkHandedOver) {
    struct Case {
        bool playGif;
        std::size_t sectionSize;
        const char* read;  // the read call, with the command's fixed length
        std::size_t saved; // never more than the command's buffer
    };
    const Case cases[] = {
        {false, 0, "ReadNVMFile(18,9,65536)", 0},
        {false, 1, "ReadNVMFile(18,9,65536)", 1},
        {false, 65536, "ReadNVMFile(18,9,65536)", 65536},
        {false, 70000, "ReadNVMFile(18,9,65536)", 65536},
        {true, 0, "ReadNVMFile(18,9,21504)", 0},
        {true, 1000, "ReadNVMFile(18,9,21504)", 1000},
        {true, 21504, "ReadNVMFile(18,9,21504)", 21504},
        {true, 21505, "ReadNVMFile(18,9,21504)", 21504},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.playGif ? "Play GIF of " : "Download of ") + std::to_string(c.sectionSize));
        phone.calls.clear();
        statuses.clear();
        viewed.clear();
        LinkIdle = false;
        Bytes content = plainData(c.sectionSize);
        phone.put(18, 9, content);
        const std::string chosen = temp.file("download.bin");
        dialogs.fileAnswers = {chosen};

        choose(c.playGif ? form().PlayGIFAction : form().DownloadAction);

        const Bytes expected(content.begin(), content.begin() + static_cast<long>(c.saved));
        EXPECT_EQ(phone.calls, inGbpMode({c.read}));
        EXPECT_EQ(statuses, (Texts{"Downloading data...", "Downloaded!"}));
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_TRUE(LinkIdle);
        if (c.playGif) {
            ASSERT_EQ(viewed.size(), 1u);
            EXPECT_EQ(viewed[0].name, "temp.gif");
            EXPECT_EQ(viewed[0].contentThen, expected);
            EXPECT_EQ(readBytes(temp.file("temp.gif")), expected);
            EXPECT_EQ(dialogs.fileAnswers.size(), 1u) << "Play GIF asks for no file name";
        } else {
            EXPECT_EQ(dialogs.fileDialogsShown.back(), FileDialogId::SaveDialog1);
            EXPECT_TRUE(fs::exists(chosen));
            EXPECT_EQ(readBytes(chosen), expected);
            EXPECT_TRUE(viewed.empty());
        }
    }
    EXPECT_EQ(phone.callsOutsideGbpMode, 0);
}

TEST_F(ReadCommands, ActOnTheSelectedRowOfEitherGroup) {
    phone.put(2, 12, plainData(300));
    selectRow(24); // the third small slot
    dialogs.fileAnswers = {temp.file("small.bin")};
    choose(form().DownloadAction);
    EXPECT_EQ(phone.calls, inGbpMode({"ReadNVMFile(2,12,65536)"}));
    EXPECT_EQ(readBytes(temp.file("small.bin")), plainData(300));
}

TEST_F(ReadCommands, CancellingTheSaveDialogWritesNothingButStillEndsDownloaded) {
    phone.put(18, 9, plainData(10));
    choose(form().DownloadAction);
    EXPECT_EQ(dialogs.fileDialogsShown, std::vector<FileDialogId>{FileDialogId::SaveDialog1});
    EXPECT_EQ(statuses, (Texts{"Downloading data...", "Downloaded!"}));
    EXPECT_EQ(phone.calls.back(), "EndGBPMode()");
    EXPECT_TRUE(filesIn(temp.path()).empty());
    EXPECT_TRUE(LinkIdle);
}

TEST_F(ReadCommands, AReadErrorIsShownInGbpModeAndNothingIsSaved) {
    struct Case {
        QAction* TForm1::*action;
        const char* read;
    };
    const Case cases[] = {
        {&TForm1::DownloadAction, "ReadNVMFile(18,9,65536)"},
        {&TForm1::PlayGIFAction, "ReadNVMFile(18,9,21504)"},
        {&TForm1::ConvertAction, "ReadNVMFile(18,9,21504)"},
    };
    bool inGbpModeAtBox = false;
    dialogs.onMessage = [&](const ShownMessage&) { inGbpModeAtBox = phone.inGbpMode; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.read);
        phone.calls.clear();
        statuses.clear();
        dialogs.messages.clear();
        LinkIdle = false;
        phone.put(18, 9, ufifProgram(Ufif20Word));
        phone.overrides = {{c.read, -1}};
        dialogs.fileAnswers = {temp.file("never.bin")};
        form().ClearAction->setEnabled(true);

        choose(form().*c.action);

        EXPECT_EQ(dialogs.messages, (Messages{{"Error reading section 18-9", "ERROR"}}));
        EXPECT_TRUE(inGbpModeAtBox);
        EXPECT_EQ(phone.calls, inGbpMode({c.read}));
        EXPECT_EQ(statuses, Texts{"Downloading data..."});
        EXPECT_TRUE(dialogs.fileDialogsShown.empty());
        EXPECT_TRUE(viewed.empty());
        EXPECT_TRUE(filesIn(temp.path()).empty());
        EXPECT_EQ(phone.sections.at({18, 9}), ufifProgram(Ufif20Word));
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(ReadCommands, AFileThatCannotBeCreatedIsReportedAfterGbpModeEnded) {
    phone.put(18, 9, plainData(10));
    const std::string folderAsFile = temp.file("folder");
    fs::create_directories(folderAsFile);
    std::vector<std::string> callsAtBox;
    dialogs.onMessage = [&](const ShownMessage&) { callsAtBox = phone.calls; };
    dialogs.fileAnswers = {folderAsFile};

    choose(form().DownloadAction);

    EXPECT_EQ(dialogs.messages, (Messages{{"Cannot create file " + folderAsFile, "ERROR"}}));
    EXPECT_EQ(callsAtBox.back(), "EndGBPMode()");
    EXPECT_EQ(statuses, Texts{"Downloading data..."});
    EXPECT_TRUE(LinkIdle);
}

TEST_F(ReadCommands, PlayGifThatCannotWriteTheScratchFileStartsNoViewer) {
    phone.put(18, 9, plainData(10));
    fs::create_directories(temp.file("temp.gif"));
    choose(form().PlayGIFAction);
    EXPECT_EQ(dialogs.messages, (Messages{{"Cannot create file temp.gif", "ERROR"}}));
    EXPECT_EQ(statuses, (Texts{"Downloading data...", "Downloaded!"}));
    EXPECT_TRUE(viewed.empty());
    EXPECT_TRUE(LinkIdle);
}

// --- Clear ---

using ClearCommand = TransferFixture;

TEST_F(ClearCommand, ErasesWithoutAskingAndShowsWhatTheProbeFinds) {
    struct Case {
        const char* what;
        bool sectionThere;
        std::map<std::string, int> overrides;
        Texts calls;
        Messages messages;
        SectionKind kindAfter;
        std::string captionAfter;
    };
    const Case cases[] = {
        {"a program",
         true,
         {},
         inGbpMode({"ClearNVMFile(18,9)", "GetNVMFileSize(18,9)"}),
         {},
         SectionKind::Empty,
         "< Empty >"},
        {"an empty section",
         false,
         {},
         inGbpMode({"ClearNVMFile(18,9)", "GetNVMFileSize(18,9)"}),
         {},
         SectionKind::Empty,
         "< Empty >"},
        {"a failed erase: its result is not looked at",
         true,
         {{"ClearNVMFile(18,9)", -1}},
         inGbpMode({"ClearNVMFile(18,9)", "GetNVMFileSize(18,9)", "ReadNVMFile(18,9,128)"}),
         {},
         SectionKind::Program,
         "Clock"},
        {"a failed probe",
         true,
         {{"GetNVMFileSize(18,9)", -1}},
         inGbpMode({"ClearNVMFile(18,9)", "GetNVMFileSize(18,9)"}),
         {{"Error getting section 18-9 size", "ERROR"}},
         SectionKind::Program,
         "before"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        phone.calls.clear();
        phone.sections.clear();
        statuses.clear();
        dialogs.messages.clear();
        LinkIdle = false;
        if (c.sectionThere)
            phone.put(18, 9, ufifProgram(Ufif20Word));
        phone.overrides = c.overrides;
        SectionTable[1] = {SectionKind::Program, "before", Ufif20Word, 64};

        choose(form().ClearAction);

        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_EQ(phone.calls, c.calls);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(statuses, (Texts{"Erasing section...", "Refreshing section 18-9...", "Erased!"}));
        EXPECT_EQ(SectionTable[1].kind, c.kindAfter);
        EXPECT_EQ(SectionTable[1].caption, c.captionAfter);
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(ClearCommand, ErasesASmallSlot) {
    phone.put(2, 10, plainData(100));
    selectRow(22);
    choose(form().ClearAction);
    EXPECT_EQ(phone.calls, inGbpMode({"ClearNVMFile(2,10)", "GetNVMFileSize(2,10)"}));
    EXPECT_EQ(SectionTable[22].caption, "< Empty >");
    EXPECT_TRUE(phone.sections.empty());
}

// --- Total size of group 18 ---

using SummSize = TransferFixture;

TEST_F(SummSize, AddsOnlyPositiveSizesOfSlotsZeroToThirtyOne) {
    struct Case {
        const char* what;
        std::map<std::string, int> overrides;
        const char* total;
    };
    const Case cases[] = {
        {"nothing above zero",
         {{"GetNVMFileSize(18,3)", -1}, {"GetNVMFileSize(18,4)", 0}},
         "Total Section 18xx size = 0"},
        {"slots outside the grid's range count too",
         {{"GetNVMFileSize(18,0)", 100},
          {"GetNVMFileSize(18,31)", 50},
          {"GetNVMFileSize(18,12)", -153},
          {"GetNVMFileSize(18,32)", 1000}},
         "Total Section 18xx size = 150"},
        {"a total beyond 32 bits",
         {{"GetNVMFileSize(18,1)", 2147483647}, {"GetNVMFileSize(18,2)", 2147483647}},
         "Total Section 18xx size = 4294967294"},
    };
    Texts expectedCalls{"InitGBPMode(1)"};
    for (int slot = 0; slot < 32; ++slot)
        expectedCalls.push_back("GetNVMFileSize(18," + std::to_string(slot) + ")");
    expectedCalls.push_back("EndGBPMode()");

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        phone.calls.clear();
        dialogs.messages.clear();
        phone.overrides = c.overrides;
        LinkIdle = false;

        form().Button4->click();

        EXPECT_EQ(phone.calls, expectedCalls);
        EXPECT_EQ(dialogs.messages, (Messages{{c.total, ""}}));
        EXPECT_FALSE(LinkIdle) << "the sum leaves LinkIdle alone";
        EXPECT_TRUE(statuses.empty());
    }
}

// --- every command without the phone ---

struct UnavailableCase {
    const char* name;
    QAction* TForm1::*action; // nullptr: the SummSize 18 button
    Texts statuses;
};

class LinkUnavailable : public TransferFixture,
                        public ::testing::WithParamInterface<UnavailableCase> {};

TEST_P(LinkUnavailable, OneBoxNoTableChangeNoFile) {
    const UnavailableCase& c = GetParam();
    phone.initResults = {-1};
    phone.put(18, 9, ufifProgram(Ufif20Word));
    const std::string upload = temp.file("upload.bin");
    writeBytes(upload, plainData(100));
    dialogs.fileAnswers = {upload};
    const SectionEntry before{SectionKind::Program, "Clock", Ufif20Word, 64};
    SectionTable[1] = before;
    form().ClearAction->setEnabled(true);

    if (c.action)
        choose(form().*c.action);
    else
        form().Button4->click();

    EXPECT_EQ(dialogs.messages, Messages{CantInit});
    EXPECT_EQ(phone.calls, Texts{"InitGBPMode(1)"});
    EXPECT_EQ(statuses, c.statuses);
    EXPECT_EQ(SectionTable[1].caption, before.caption);
    EXPECT_EQ(SectionTable[1].size, before.size);
    EXPECT_EQ(filesIn(temp.path()), Texts{"upload.bin"});
    EXPECT_FALSE(fs::exists(temp.file("temp.gif")));
    EXPECT_FALSE(fs::exists(temp.file("temp.prg")));
    EXPECT_EQ(dialogs.fileDialogsShown.size(), c.action == &TForm1::UploadAction ? 1u : 0u);
    EXPECT_TRUE(LinkIdle);
}

INSTANTIATE_TEST_SUITE_P(
    EachCommand, LinkUnavailable,
    ::testing::Values(UnavailableCase{"Download", &TForm1::DownloadAction, {"Downloading data..."}},
                      UnavailableCase{"Play GIF", &TForm1::PlayGIFAction, {"Downloading data..."}},
                      UnavailableCase{"Clear", &TForm1::ClearAction, {"Erasing section..."}},
                      UnavailableCase{"Convert", &TForm1::ConvertAction, {"Downloading data..."}},
                      UnavailableCase{"Upload", &TForm1::UploadAction, {"Uploading data..."}},
                      UnavailableCase{"SummSize", nullptr, {}}),
    [](const ::testing::TestParamInfo<UnavailableCase>& info) {
        std::string name = info.param.name;
        name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
        return name;
    });

} // namespace
