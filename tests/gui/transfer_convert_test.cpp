#include "transfer_test_support.h"

#include "shell/experts_form.h"

#include <QComboBox>

#include <filesystem>
#include <map>

namespace {

using namespace transfer_test;
namespace fs = std::filesystem;

const ShownMessage RewriteFailed{
    "Section uploaded with error or out of memory!\nTry to upload again or free some NVM memory."
    "\nConverted program stored at temp.prg file!!!",
    "ERROR"};

const Texts ReadPeriod = inGbpMode({"ReadNVMFile(18,9,21504)", "GetNVMFileSize(18,9)"});
const Texts ErasePeriod = inGbpMode({"ClearNVMFile(18,9)", "GetNVMFileSize(18,9)"});

Texts writePeriod(std::size_t n) {
    return inGbpMode({"WriteNVMFile(18,9," + std::to_string(n) + ")"});
}

const Texts CheckPeriod = inGbpMode({"GetNVMFileSize(18,9)", "ReadNVMFile(18,9,128)"});

// What Convert makes of a UFIF 2.0 image whose UFIF header starts at the given offset, for the
// first firmware of the list ("0x370000 - J7/70 3.10/4"): version 2.1, the address word moved.
Bytes convertedForJ7(Bytes image, std::size_t header = 0) {
    image[header + 2] = 1;
    putWord(image, header + 20, movedAddress(0x36AC74, 0x370000));
    return image;
}

class Convert : public TransferFixture {
protected:
    // The menu offers Convert for a UFIF 2.0 program, and Clear with it.
    void convert() {
        form().ClearAction->setEnabled(true);
        choose(form().ConvertAction);
    }

    std::string tempPrg() const { return temp.file("temp.prg"); }
};

TEST_F(Convert, RewritesTheSectionAsUfif21AndKeepsACopy) {
    ExpertsForm->FWComboBox->setCurrentIndex(0); // "0x370000 - J7/70 3.10/4"
    const Bytes original = elfProgram(Ufif20Word);
    phone.put(18, 9, original);
    showProgramInRow(1, Ufif20Word, static_cast<std::int32_t>(original.size()));

    convert();

    const Bytes expected = convertedForJ7(original, ElfSegment);
    EXPECT_EQ(readBytes(tempPrg()), expected);
    EXPECT_EQ(phone.sections.at({18, 9}), expected);
    EXPECT_EQ(phone.calls, joined({ReadPeriod, ErasePeriod, writePeriod(160), CheckPeriod}));
    EXPECT_EQ(statuses,
              (Texts{"Downloading data...", "Downloaded!", "Converting data...", "Convert done!",
                     "Erasing section...", "Refreshing section 18-9...", "Erased!",
                     "Uploading data...", "Refreshing section 18-9...", "Uploaded!"}));
    EXPECT_EQ(dialogs.messages, Messages{Success});
    EXPECT_TRUE(dialogs.modalTitles.empty()) << "no prompt";
    EXPECT_EQ(SectionTable[1].kind, SectionKind::Program);
    EXPECT_EQ(SectionTable[1].formatWord, Ufif21Word);
    EXPECT_EQ(phone.callsOutsideGbpMode, 0);
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Convert, ASectionThatIsNoLongerUfif20IsWrittenBackUnchanged) {
    const Bytes original = ufifProgram(Ufif21Word, 100);
    phone.put(18, 9, original);
    convert();
    EXPECT_EQ(readBytes(tempPrg()), original);
    EXPECT_EQ(phone.writes, std::vector<Bytes>{original});
    EXPECT_EQ(phone.calls, joined({ReadPeriod, ErasePeriod, writePeriod(100), CheckPeriod}));
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "Converting data..."), 0);
    EXPECT_EQ(dialogs.messages, Messages{Success});
}

TEST_F(Convert, ASectionLongerThanWhatWasReadIsRefusedUntouched) {
    struct Case {
        const char* what;
        std::size_t size;
        std::map<std::string, int> overrides;
        Messages messages; // empty: converted
    };
    const Case cases[] = {
        {"exactly the buffer", 21504, {}, {}},
        {"one byte more", 21505, {}, {{"Section is too big to convert!", "ERROR"}}},
        {"much more", 65536, {}, {{"Section is too big to convert!", "ERROR"}}},
        {"a size the phone cannot tell",
         100,
         {{"GetNVMFileSize(18,9)", -1}},
         {{"Error getting section 18-9 size", "ERROR"}}},
    };
    bool inGbpModeAtBox = false;
    dialogs.onMessage = [&](const ShownMessage&) { inGbpModeAtBox = phone.inGbpMode; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        phone.calls.clear();
        phone.writes.clear();
        statuses.clear();
        dialogs.messages.clear();
        fs::remove(tempPrg());
        const Bytes original = ufifProgram(Ufif20Word, c.size);
        phone.put(18, 9, original);
        phone.overrides = c.overrides;

        convert();

        if (c.messages.empty()) {
            EXPECT_EQ(dialogs.messages, Messages{Success});
            EXPECT_EQ(readBytes(tempPrg()).size(), c.size);
            continue;
        }
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_TRUE(inGbpModeAtBox);
        EXPECT_EQ(phone.calls, ReadPeriod);
        EXPECT_EQ(statuses, Texts{"Downloading data..."});
        EXPECT_FALSE(fs::exists(tempPrg()));
        EXPECT_EQ(phone.sections.at({18, 9}), original);
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Convert, ASizeAnswerOfNoSectionCountsAsEmptyNotAsAFailure) {
    for (const int answer : {-153, -5}) {
        SCOPED_TRACE(answer);
        phone.writes.clear();
        dialogs.messages.clear();
        phone.put(18, 9, ufifProgram(Ufif20Word));
        phone.overrides = {{"GetNVMFileSize(18,9)", answer}};

        convert();

        // Written back; the check then finds no section either, which is reported as such.
        EXPECT_EQ(phone.writes.size(), 1u);
        EXPECT_EQ(dialogs.messages, Messages{RewriteFailed});
    }
}

TEST_F(Convert, WhenGbpModeFailsLaterTheProgramStaysInTheScratchFile) {
    struct Case {
        const char* what;
        std::deque<int> initResults;
        Texts calls;
        bool sectionRewritten;
    };
    const Case cases[] = {
        {"before the write",
         {0, 0, -1},
         joined({ReadPeriod, ErasePeriod, {"InitGBPMode(1)"}}),
         false},
        {"before the check",
         {0, 0, 0, -1},
         joined({ReadPeriod, ErasePeriod, writePeriod(64), {"InitGBPMode(1)"}}),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        phone.calls.clear();
        phone.sections.clear();
        statuses.clear();
        dialogs.messages.clear();
        phone.put(18, 9, ufifProgram(Ufif20Word));
        phone.initResults = c.initResults;

        convert();

        const Bytes converted = convertedForJ7(ufifProgram(Ufif20Word));
        EXPECT_EQ(phone.calls, c.calls);
        EXPECT_EQ(dialogs.messages, Messages{CantInit});
        EXPECT_EQ(statuses.back(), "Uploading data...");
        EXPECT_EQ(readBytes(tempPrg()), converted);
        EXPECT_EQ(phone.sections.count({18, 9}), c.sectionRewritten ? 1u : 0u);
        EXPECT_EQ(SectionTable[1].kind, SectionKind::Empty) << "as the erase left the row";
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Convert, AFailedEraseIsReportedAndTheProgramIsWrittenOverWhatIsThere) {
    phone.put(18, 9, ufifProgram(Ufif20Word));
    phone.initResults = {0, -1, 0, 0};

    convert();

    const Bytes converted = convertedForJ7(ufifProgram(Ufif20Word));
    EXPECT_EQ(phone.calls, joined({ReadPeriod, {"InitGBPMode(1)"}, writePeriod(64), CheckPeriod}));
    EXPECT_EQ(dialogs.messages, (Messages{CantInit, Success}));
    EXPECT_EQ(phone.sections.at({18, 9}), converted);
    EXPECT_EQ(readBytes(tempPrg()), converted);
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Convert, ARewriteThatDoesNotTakePointsToTheScratchFile) {
    phone.put(18, 9, ufifProgram(Ufif20Word));
    phone.writesTake = false;
    convert();
    EXPECT_EQ(dialogs.messages, Messages{RewriteFailed});
    EXPECT_EQ(statuses.back(), "Upload error!");
    EXPECT_EQ(readBytes(tempPrg()).size(), 64u);
    EXPECT_EQ(phone.sections.count({18, 9}), 0u);
}

TEST_F(Convert, AnUnreadableFirmwareBaseChangesNothing) {
    struct Case {
        const char* target;
        const char* error;
    };
    const Case cases[] = {
        {"0x37BDDG - Z7 4.5.6/4", "'0x37BDDG' is not a valid integer value"},
        {"Z7", "'' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        phone.calls.clear();
        statuses.clear();
        dialogs.messages.clear();
        ExpertsForm->FWComboBox->setEditText(c.target);
        phone.put(18, 9, ufifProgram(Ufif20Word));

        convert();

        EXPECT_EQ(dialogs.messages, (Messages{{c.error, "ERROR"}}));
        EXPECT_EQ(phone.calls, ReadPeriod);
        EXPECT_EQ(statuses, (Texts{"Downloading data...", "Downloaded!", "Converting data..."}));
        EXPECT_FALSE(fs::exists(tempPrg()));
        EXPECT_EQ(phone.sections.at({18, 9}), ufifProgram(Ufif20Word));
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Convert, AScratchFileThatCannotBeCreatedStopsBeforeTheErase) {
    fs::create_directories(tempPrg());
    phone.put(18, 9, ufifProgram(Ufif20Word));
    convert();
    EXPECT_EQ(dialogs.messages, (Messages{{"Cannot create file temp.prg", "ERROR"}}));
    EXPECT_EQ(phone.calls, ReadPeriod);
    EXPECT_EQ(phone.sections.at({18, 9}), ufifProgram(Ufif20Word));
    EXPECT_TRUE(LinkIdle);
}

} // namespace
