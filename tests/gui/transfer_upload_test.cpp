#include "transfer_test_support.h"

#include "shell/experts_form.h"
#include "transfer/ok_bottom_dlg.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <filesystem>
#include <functional>
#include <map>

namespace {

using namespace transfer_test;
namespace fs = std::filesystem;

const ShownMessage UploadFailed{
    "Section uploaded with error or out of memory!\nTry to upload again or free some NVM memory",
    "ERROR"};
const ShownMessage TooBig{"Can't uplod - file too big!", "ERROR"};

class Upload : public TransferFixture {
protected:
    // Picks the file in the open dialog and runs Upload on the selected row.
    void upload(const Bytes& content) {
        const std::string path = temp.file("program.bin");
        writeBytes(path, content);
        dialogs.fileAnswers = {path};
        choose(form().UploadAction);
    }

    // The prompt's answer, given after an optional look at (and change to) the prompt.
    void answerPrompt(int answer, std::function<void()> whileShown = {}) {
        dialogs.modalScripts.push_back([answer, whileShown](QDialog&) {
            if (whileShown)
                whileShown();
            return answer;
        });
    }

    // The write in one period of GBP mode, then the probe of the section in the next.
    static Texts probedUpload(const std::string& write, const std::string& address) {
        const Texts probe =
            inGbpMode({"GetNVMFileSize(" + address + ")", "ReadNVMFile(" + address + ",128)"});
        return joined({inGbpMode({write}), probe});
    }
};

TEST_F(Upload, TheWholeFileLengthIsTestedAgainstTheSlotsLimit) {
    struct Case {
        int row;
        std::size_t length;
        bool accepted;
    };
    const Case cases[] = {
        {22, 2048, true},  {22, 2049, false},  {1, 65536, true},
        {1, 65537, false}, {22, 70000, false}, {1, 70000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row) + ", " + std::to_string(c.length) + " bytes");
        phone.calls.clear();
        phone.writes.clear();
        statuses.clear();
        dialogs.messages.clear();
        LinkIdle = false;
        selectRow(c.row);
        const std::string address = c.row == 22 ? "2,10" : "18,9";

        upload(plainData(c.length));

        if (c.accepted) {
            EXPECT_EQ(phone.calls,
                      probedUpload("WriteNVMFile(" + address + "," + std::to_string(c.length) + ")",
                                   address));
            ASSERT_EQ(phone.writes.size(), 1u);
            EXPECT_EQ(phone.writes[0], plainData(c.length));
            EXPECT_EQ(dialogs.messages, Messages{Success});
            EXPECT_EQ(statuses, (Texts{"Uploading data...",
                                       "Refreshing section " +
                                           std::string(c.row == 22 ? "2-10" : "18-9") + "...",
                                       "Uploaded!"}));
            EXPECT_EQ(SectionTable[static_cast<std::size_t>(c.row)].size,
                      static_cast<std::int32_t>(c.length));
        } else {
            EXPECT_TRUE(phone.calls.empty()) << "a long file is never sent cut short";
            EXPECT_EQ(dialogs.messages, Messages{TooBig});
            EXPECT_EQ(statuses, Texts{"Uploading data..."});
        }
        EXPECT_TRUE(LinkIdle);
    }
    EXPECT_EQ(phone.callsOutsideGbpMode, 0);
}

TEST_F(Upload, ATooBigUfif20FileIsOfferedConversionThenRefused) {
    selectRow(22); // a small slot: 2048 bytes at most
    answerPrompt(TOKBottomDlg::ModalYes);

    upload(ufifProgram(Ufif20Word, 2049));

    EXPECT_EQ(dialogs.modalTitles.size(), 1u);
    EXPECT_EQ(dialogs.messages, Messages{TooBig});
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Upload, OnlyTheExactUfif20WordBringsThePrompt) {
    Bytes truncatedElf = elfProgram(Ufif20Word);
    truncatedElf.resize(ElfSegment + 2);
    struct Case {
        const char* what;
        Bytes file;
        bool prompt;
    };
    const Case cases[] = {
        {"raw UFIF 2.0", ufifProgram(Ufif20Word), true},
        {"ELF with UFIF 2.0 in its first segment", elfProgram(Ufif20Word), true},
        {"raw UFIF 2.1", ufifProgram(Ufif21Word), false},
        {"UFIF 2.0 with a low byte", ufifProgram(Ufif20Word + 1), false},
        {"ELF with UFIF 2.1", elfProgram(Ufif21Word), false},
        {"ELF whose header table lies past 120", elfProgram(Ufif20Word, 124), false},
        {"ELF whose segment lies past its end", truncatedElf, false},
        {"a file shorter than a word", Bytes{0x00, 0x00, 0x00}, false},
        {"an empty file", Bytes{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.modalTitles.clear();
        phone.writes.clear();
        answerPrompt(TOKBottomDlg::ModalNo);

        upload(c.file);

        EXPECT_EQ(dialogs.modalTitles.size(), c.prompt ? 1u : 0u);
        ASSERT_EQ(phone.writes.size(), 1u);
        EXPECT_EQ(phone.writes[0], c.file) << "sent unchanged";
        dialogs.modalScripts.clear();
    }
}

TEST_F(Upload, YesConvertsForTheFirmwarePickedInThePrompt) {
    answerPrompt(TOKBottomDlg::ModalYes, [] {
        ExpertsForm->FWComboBox->setCurrentIndex(6); // "0x37BDD8 - Z7 4.5.6/4"
    });
    upload(ufifProgram(Ufif20Word));

    ASSERT_EQ(phone.writes.size(), 1u);
    const Bytes& sent = phone.writes[0];
    EXPECT_EQ(sent.size(), 64u);
    EXPECT_EQ(wordAt(sent, 0), Ufif21Word);
    EXPECT_EQ(wordAt(sent, 20), movedAddress(0x36AC74, 0x37BDD8));
    EXPECT_EQ(wordAt(sent, 24), 0x8A0000u);
    EXPECT_EQ(statuses, (Texts{"Uploading data...", "Converting data...", "Convert done!",
                               "Refreshing section 18-9...", "Uploaded!"}));
    EXPECT_EQ(dialogs.messages, Messages{Success});
    EXPECT_EQ(SectionTable[1].formatWord, Ufif21Word);
    EXPECT_NE(readFileText(settingsPath).find("UFIFFW=6\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(temp.file("program.bin")), ufifProgram(Ufif20Word))
        << "the file on disk never changes";
}

TEST_F(Upload, NoSendsUnchangedAndStillKeepsTheFirmwarePicked) {
    QWidget* parentWhileShown = nullptr;
    QPoint placeWhileShown;
    answerPrompt(TOKBottomDlg::ModalNo, [&] {
        QComboBox* box = ExpertsForm->FWComboBox;
        parentWhileShown = box->parentWidget();
        placeWhileShown = box->pos();
        box->setCurrentIndex(4);
    });
    upload(elfProgram(Ufif20Word));

    EXPECT_EQ(parentWhileShown, OKBottomDlg);
    EXPECT_EQ(placeWhileShown, QPoint(16, 107));
    EXPECT_EQ(ExpertsForm->FWComboBox->parentWidget(), ExpertsForm);
    EXPECT_EQ(ExpertsForm->FWComboBox->pos(), QPoint(8, 24));
    EXPECT_EQ(phone.writes, std::vector<Bytes>{elfProgram(Ufif20Word)});
    EXPECT_NE(readFileText(settingsPath).find("UFIFFW=4\r\n"), std::string::npos);
    EXPECT_EQ(statuses, (Texts{"Uploading data...", "Refreshing section 18-9...", "Uploaded!"}));
}

TEST_F(Upload, CancelSendsNothingAndFreesTheMenu) {
    const SectionEntry before{SectionKind::Program, "Old", Ufif21Word, 300};
    SectionTable[1] = before;
    answerPrompt(TOKBottomDlg::ModalCancel, [] { ExpertsForm->FWComboBox->setCurrentIndex(2); });
    upload(ufifProgram(Ufif20Word));

    EXPECT_TRUE(phone.calls.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(statuses, Texts{"Uploading data..."});
    EXPECT_EQ(SectionTable[1].caption, before.caption);
    EXPECT_EQ(SectionTable[1].size, before.size);
    EXPECT_TRUE(LinkIdle) << "the context menu opens again";
    EXPECT_EQ(ExpertsForm->FWComboBox->parentWidget(), ExpertsForm);
    EXPECT_NE(readFileText(settingsPath).find("UFIFFW=2\r\n"), std::string::npos);
}

TEST_F(Upload, ThePhonesSizeAfterTheWriteDecides) {
    struct Case {
        const char* what;
        std::size_t length;
        bool writesTake;
        std::map<std::string, int> overrides;
        Messages messages;
        const char* lastStatus;
    };
    const Case cases[] = {
        {"the write did not take", 500, false, {}, {UploadFailed}, "Upload error!"},
        {"a different size",
         500,
         true,
         {{"GetNVMFileSize(18,9)", 499}},
         {UploadFailed},
         "Upload error!"},
        {"the probe failed",
         500,
         true,
         {{"GetNVMFileSize(18,9)", -1}},
         {{"Error getting section 18-9 size", "ERROR"}, UploadFailed},
         "Upload error!"},
        {"an empty file the phone keeps as empty", 0, true, {}, {Success}, "Uploaded!"},
        {"an empty file, but the phone reports bytes",
         0,
         true,
         {{"GetNVMFileSize(18,9)", 5}},
         {UploadFailed},
         "Upload error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        phone.sections.clear();
        phone.writes.clear();
        phone.calls.clear();
        dialogs.messages.clear();
        statuses.clear();
        phone.writesTake = c.writesTake;
        phone.overrides = c.overrides;

        upload(plainData(c.length));

        EXPECT_EQ(phone.calls.at(1), "WriteNVMFile(18,9," + std::to_string(c.length) + ")");
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(statuses.back(), c.lastStatus);
        EXPECT_TRUE(dialogs.modalTitles.empty());
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Upload, TheSecondGbpModePeriodFailing) {
    phone.initResults = {0, -1};
    upload(plainData(100));
    EXPECT_EQ(phone.calls, joined({inGbpMode({"WriteNVMFile(18,9,100)"}), {"InitGBPMode(1)"}}));
    EXPECT_EQ(dialogs.messages, Messages{CantInit});
    EXPECT_EQ(statuses, Texts{"Uploading data..."});
    EXPECT_EQ(SectionTable[1].caption, "") << "the row is not refreshed";
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Upload, CancellingTheOpenDialogChangesNothing) {
    ASSERT_FALSE(LinkIdle);
    choose(form().UploadAction);
    EXPECT_EQ(dialogs.fileDialogsShown, std::vector<FileDialogId>{FileDialogId::OpenDialog1});
    EXPECT_FALSE(LinkIdle);
    EXPECT_TRUE(statuses.empty());
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Upload, AFileThatCannotBeOpenedSendsNothing) {
    const std::string missing = temp.file("missing.bin");
    dialogs.fileAnswers = {missing};
    choose(form().UploadAction);
    EXPECT_EQ(dialogs.messages, (Messages{{"Cannot open file " + missing, "ERROR"}}));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(statuses, Texts{"Uploading data..."});
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Upload, AnUnreadableFirmwareBaseSendsNothing) {
    answerPrompt(TOKBottomDlg::ModalYes,
                 [] { ExpertsForm->FWComboBox->setEditText("0x37BDDG - Z7 4.5.6/4"); });
    upload(ufifProgram(Ufif20Word));
    EXPECT_EQ(dialogs.messages, (Messages{{"'0x37BDDG' is not a valid integer value", "ERROR"}}));
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_EQ(statuses, (Texts{"Uploading data...", "Converting data..."}));
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Upload, ASettingsFileThatCannotBeWrittenDoesNotStopTheUpload) {
    fs::create_directories(settingsPath);
    answerPrompt(TOKBottomDlg::ModalNo);
    upload(ufifProgram(Ufif20Word));
    EXPECT_EQ(dialogs.messages,
              (Messages{{"Unable to write to " + settingsPath, "ERROR"}, Success}));
    EXPECT_EQ(phone.writes, std::vector<Bytes>{ufifProgram(Ufif20Word)});
    EXPECT_EQ(statuses.back(), "Uploaded!");
}

// --- the prompt itself ---

using ConversionPrompt = TransferFixture;

TEST_F(ConversionPrompt, EachButtonGivesItsAnswerAndTheBoxGoesBack) {
    TOKBottomDlg& prompt = *OKBottomDlg;
    struct Case {
        std::function<void()> answer;
        int result;
    };
    const Case cases[] = {
        {[&] { prompt.OKBtn->click(); }, TOKBottomDlg::ModalYes},
        {[&] { prompt.Button1->click(); }, TOKBottomDlg::ModalNo},
        {[&] { prompt.CancelBtn->click(); }, TOKBottomDlg::ModalCancel},
        {[&] { prompt.reject(); }, TOKBottomDlg::ModalCancel}, // Esc and the close box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        prompt.show();
        EXPECT_EQ(ExpertsForm->FWComboBox->parentWidget(), &prompt);
        EXPECT_TRUE(ExpertsForm->FWComboBox->isVisible());
        c.answer();
        EXPECT_EQ(prompt.result(), c.result);
        EXPECT_FALSE(prompt.isVisible());
        EXPECT_EQ(ExpertsForm->FWComboBox->parentWidget(), ExpertsForm);
        EXPECT_EQ(ExpertsForm->FWComboBox->geometry(), QRect(8, 24, 233, 21));
    }
    EXPECT_TRUE(fs::exists(settingsPath));
}

TEST_F(ConversionPrompt, LayoutAndTexts) {
    const TOKBottomDlg& prompt = *OKBottomDlg;
    EXPECT_EQ(prompt.windowTitle(), "Dialog");
    EXPECT_EQ(prompt.size(), QSize(313, 244));
    EXPECT_EQ(prompt.StaticText3->text(), "Please read this text!!!");
    EXPECT_EQ(prompt.StaticText3->font().pixelSize(), 19);
    EXPECT_EQ(prompt.StaticText1->text(),
              "You're trying to upload UFIF 2.0 version program! This is an older format and it "
              "may not work on some ZAV3 firmwares. Do you want to convert this program to UFIF "
              "2.1 - compatible format?");
    EXPECT_EQ(prompt.StaticText2->text(),
              "If you using ZAV3 MOD and want to convert this program select correct firmware "
              "and press \"Yes\" button. Press \"No\" if you still using ZAV2 MOD, or simply want "
              "to upload program \"as is\" without converting.");
    const QRect expected[] = {{56, 16, 186, 28}, {16, 48, 281, 57},  {16, 136, 281, 57},
                              {47, 212, 75, 25}, {127, 212, 75, 25}, {207, 212, 75, 25}};
    const QWidget* widgets[] = {prompt.StaticText3, prompt.StaticText1, prompt.StaticText2,
                                prompt.OKBtn,       prompt.Button1,     prompt.CancelBtn};
    for (std::size_t i = 0; i < std::size(widgets); ++i)
        EXPECT_EQ(widgets[i]->geometry(), expected[i]) << i;
    EXPECT_TRUE(prompt.OKBtn->isDefault());
    // Every text fits its place: the heading on one line, the two texts without losing a line.
    const QRect heading =
        QFontMetrics(prompt.StaticText3->font()).tightBoundingRect(prompt.StaticText3->text());
    EXPECT_FALSE(prompt.StaticText3->wordWrap());
    EXPECT_LE(heading.width(), prompt.StaticText3->width());
    EXPECT_LE(heading.height(), prompt.StaticText3->height());
    for (const QLabel* text : {prompt.StaticText1, prompt.StaticText2})
        EXPECT_LE(text->heightForWidth(text->width()), text->height())
            << text->text().toStdString();
}

} // namespace
