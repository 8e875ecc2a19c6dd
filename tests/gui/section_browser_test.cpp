#include "manager_fixture.h"

#include "link/link_idle.h"
#include "platform/little_endian.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Calls = std::vector<std::string>;
using Messages = std::vector<ShownMessage>;

// A UFIF program: its format word, then its 16-byte name, padded to the section's size.
Bytes ufifProgram(std::uint32_t word, const std::string& name, std::size_t size) {
    Bytes bytes(size, 0);
    writeWordLe(bytes.data(), 0, word);
    std::copy(name.begin(), name.end(), bytes.begin() + 4);
    return bytes;
}

Bytes gifPicture(std::size_t size) {
    Bytes bytes(size, 0);
    const std::string tag = "GIF89a";
    std::copy(tag.begin(), tag.end(), bytes.begin());
    return bytes;
}

std::string address(int group, int slot) {
    return std::to_string(group) + "," + std::to_string(slot);
}
std::string sizeQuery(int group, int slot) {
    return "GetNVMFileSize(" + address(group, slot) + ")";
}
std::string headerRead(int group, int slot) {
    return "ReadNVMFile(" + address(group, slot) + ",128)";
}
std::string refreshing(int group, int slot) {
    return "Refreshing section " + std::to_string(group) + "-" + std::to_string(slot) + "...";
}

// What a row showed before a command ran; a row a command must not touch keeps it.
const SectionEntry Before{SectionKind::Other, "before", 0x12345678, 77};

void markEveryRow() {
    SectionTable.fill(Before);
}

// An entry as a comparable, readable text.
std::string text(const SectionEntry& e) {
    char word[16];
    std::snprintf(word, sizeof word, "0x%08X", e.formatWord);
    return "{kind " + std::to_string(static_cast<int>(e.kind)) + ", \"" + e.caption + "\", " +
           word + ", " + std::to_string(e.size) + "}";
}

// Counts the grid's paints, to see that rows are shown while a refresh goes on.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) : watched_(watched) {
        watched->installEventFilter(this);
    }
    ~PaintCounter() override { watched_->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }

private:
    QWidget* watched_;
};

class SectionBrowser : public ManagerFixture {
public:
    // Each case of a table starts from a fresh phone, nothing shown yet, the link not idle, and
    // every row showing the given entry.
    void startCase(const SectionEntry& everyRow = Before) {
        phone.reset();
        statuses.clear();
        dialogs.messages.clear();
        SectionTable.fill(everyRow);
        LinkIdle = false;
    }

    void fullRefresh() { form().Button1->click(); }
    void refreshSelectedRow() { choose(form().RefreshAction); }
    // A probe as the other commands call it, inside a period of GBP mode.
    int probe(int group, int slot) {
        form().link().InitGBPMode(1);
        const int result = form().probeSection(group, slot);
        form().link().EndGBPMode();
        return result;
    }
};

using SectionFullRefresh = SectionBrowser;
using SectionRefresh = SectionBrowser;
using SectionProbe = SectionBrowser;

TEST_F(SectionFullRefresh, ProbesEverySlotInOnePeriodAndReadsHeadersOnlyWhenAsked) {
    struct Case {
        bool additionalInfo;
        SectionEntry program;
        SectionEntry picture;
    };
    const Case cases[] = {
        {true,
         {SectionKind::Program, "Torch", 0x20031004, 300},
         {SectionKind::Gif, "< GIF-File >", 0, 200}},
        {false, {SectionKind::Program, "", 0, 300}, {SectionKind::Program, "", 0, 200}},
    };
    const SectionEntry empty{SectionKind::Empty, "< Empty >", 0, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.additionalInfo ? "ticked" : "unticked");
        startCase(SectionEntry{}); // blank rows, so that the word an emptied row keeps is 0
        phone.put(18, 9, ufifProgram(0x20031004, "Torch", 300));
        phone.put(18, 12, gifPicture(200));
        phone.put(18, 13, {});                         // exists, but holds nothing
        phone.overrides["GetNVMFileSize(18,14)"] = -5; // the other "no such section"
        phone.put(2, 11, ufifProgram(0x20031004, "Torch", 300));
        form().CheckBox1->setChecked(c.additionalInfo);

        fullRefresh();

        Calls calls{"InitGBPMode(1)"};
        std::vector<std::string> shown;
        auto expectSlot = [&](int group, int slot, bool filled) {
            calls.push_back(sizeQuery(group, slot));
            if (filled && c.additionalInfo)
                calls.push_back(headerRead(group, slot));
            shown.push_back(refreshing(group, slot));
        };
        for (int slot = 9; slot <= 29; ++slot)
            expectSlot(18, slot, slot == 9 || slot == 12);
        for (int slot = 10; slot <= 14; ++slot)
            expectSlot(2, slot, slot == 11);
        calls.push_back("EndGBPMode()");
        shown.push_back("Updated!");
        EXPECT_EQ(phone.calls, calls);
        EXPECT_EQ(statuses, shown);
        EXPECT_EQ(dialogs.messages, (Messages{{"Update done!", ""}}));
        EXPECT_EQ(phone.callsOutsideGbpMode, 0);
        EXPECT_TRUE(LinkIdle);

        EXPECT_EQ(text(SectionTable[1]), text(c.program));
        EXPECT_EQ(text(SectionTable[2]), text(empty));
        EXPECT_EQ(text(SectionTable[4]), text(c.picture));
        EXPECT_EQ(text(SectionTable[5]), text(empty));
        EXPECT_EQ(text(SectionTable[6]), text(empty));
        EXPECT_EQ(text(SectionTable[23]), text(c.program));
        EXPECT_EQ(text(SectionTable[22]), text(empty));
    }
}

TEST_F(SectionFullRefresh, AFailedProbeEndsOnlyItsOwnRange) {
    struct Case {
        const char* failingCall;
        const char* box;
        int failingRow; // rows after it in the same range are not probed
        int lastRowOfRange;
    };
    const Case cases[] = {
        {"GetNVMFileSize(18,11)", "Error getting section 18-11 size", 3, 21},
        {"ReadNVMFile(18,11,128)", "Error reading section 18-11", 3, 21},
        {"GetNVMFileSize(2,11)", "Error getting section 2-11 size", 23, 26},
        {"ReadNVMFile(18,9,128)", "Error reading section 18-9", 1, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failingCall);
        startCase();
        for (int slot = 9; slot <= 29; ++slot)
            phone.put(18, slot, ufifProgram(0x20000000, "P", 1000));
        for (int slot = 10; slot <= 14; ++slot)
            phone.put(2, slot, ufifProgram(0x20000000, "P", 1000));
        phone.overrides[c.failingCall] = -7;
        bool boxInGbpMode = false;
        dialogs.onMessage = [&](const ShownMessage& m) {
            if (m.caption == "ERROR")
                boxInGbpMode = phone.inGbpMode;
        };
        PaintCounter paints(form().DrawGrid1->viewport());

        fullRefresh();
        dialogs.onMessage = nullptr;

        EXPECT_EQ(dialogs.messages, (Messages{{c.box, "ERROR"}, {"Update done!", ""}}));
        EXPECT_TRUE(boxInGbpMode) << "the error is shown before GBP mode ends";
        ASSERT_FALSE(statuses.empty());
        EXPECT_EQ(statuses.back(), "Updated!");
        EXPECT_EQ(phone.calls.back(), "EndGBPMode()");
        EXPECT_TRUE(LinkIdle);
        const SectionEntry probed{SectionKind::Program, "P", 0x20000000, 1000};
        int probedRows = 0;
        for (int row = 1; row <= 26; ++row) {
            const SectionAddress at = addressForRow(row);
            const bool reached = row < c.failingRow || row > c.lastRowOfRange;
            const int queries = static_cast<int>(
                std::count(phone.calls.begin(), phone.calls.end(), sizeQuery(at.group, at.slot)));
            EXPECT_EQ(queries, reached || row == c.failingRow ? 1 : 0) << "row " << row;
            EXPECT_EQ(text(SectionTable[static_cast<std::size_t>(row)]),
                      text(reached ? probed : Before))
                << "row " << row;
            probedRows += reached ? 1 : 0;
        }
        // Each row is shown as soon as it is probed, and the grid once more at the end.
        EXPECT_EQ(paints.count, probedRows + 1);
    }
}

TEST_F(SectionBrowser, GbpModeRefusedChangesNothing) {
    struct Case {
        const char* command;
        std::function<void(SectionBrowser&)> run;
    };
    const Case cases[] = {
        {"Full Refresh", [](SectionBrowser& t) { t.fullRefresh(); }},
        {"Refresh", [](SectionBrowser& t) { t.refreshSelectedRow(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        startCase();
        phone.put(18, 9, ufifProgram(0x20000000, "P", 1000));
        phone.initResults = {-4};
        form().ComboBox1->setCurrentIndex(2);

        c.run(*this);

        EXPECT_EQ(phone.calls, Calls{"InitGBPMode(3)"});
        EXPECT_EQ(dialogs.messages, (Messages{{"Can't Init GPB Mode", "ERROR"}}));
        EXPECT_TRUE(statuses.empty());
        EXPECT_TRUE(LinkIdle);
        for (int row = 0; row < SectionTableSize; ++row)
            EXPECT_EQ(text(SectionTable[static_cast<std::size_t>(row)]), text(Before))
                << "row " << row;
    }
}

TEST_F(SectionRefresh, ProbesTheSelectedRowInOnePeriod) {
    struct Case {
        int row;
        int group;
        int slot;
        const char* failingCall; // nullptr: the probe succeeds
        const char* box;
    };
    const Case cases[] = {
        {3, 18, 11, nullptr, nullptr},
        {22, 2, 10, nullptr, nullptr},
        {26, 2, 14, nullptr, nullptr},
        {21, 18, 29, "GetNVMFileSize(18,29)", "Error getting section 18-29 size"},
        {23, 2, 11, "ReadNVMFile(2,11,128)", "Error reading section 2-11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        startCase();
        phone.put(c.group, c.slot, ufifProgram(0x20036005, "Radio", 4608));
        if (c.failingCall)
            phone.overrides[c.failingCall] = -7;
        selectRow(c.row);

        refreshSelectedRow();

        Calls calls{"InitGBPMode(1)", sizeQuery(c.group, c.slot)};
        if (!c.failingCall || std::string(c.failingCall).starts_with("Read"))
            calls.push_back(headerRead(c.group, c.slot));
        calls.push_back("EndGBPMode()");
        EXPECT_EQ(phone.calls, calls);
        EXPECT_EQ(statuses, (std::vector<std::string>{refreshing(c.group, c.slot), "Refreshed!"}));
        EXPECT_EQ(dialogs.messages, (c.box ? Messages{{c.box, "ERROR"}} : Messages{}));
        EXPECT_TRUE(LinkIdle);
        for (int row = 0; row < SectionTableSize; ++row) {
            const bool refreshed = row == c.row && !c.failingCall;
            const SectionEntry radio{SectionKind::Program, "Radio", 0x20036005, 4608};
            EXPECT_EQ(text(SectionTable[static_cast<std::size_t>(row)]),
                      text(refreshed ? radio : Before))
                << "row " << row;
        }
    }
}

TEST_F(SectionProbe, ResultEntryAndBoxForEachAnswer) {
    struct Case {
        const char* name;
        std::function<void(FakePhone&)> arrange;
        bool additionalInfo;
        int result;
        SectionEntry entry;
        const char* box;
        bool headerRead;
    };
    const SectionEntry emptied{SectionKind::Empty, "< Empty >", Before.formatWord, 0};
    const Case cases[] = {
        {"no such section", [](FakePhone&) {}, true, 0, emptied, nullptr, false},
        {"-5 from the size query", [](FakePhone& p) { p.overrides["GetNVMFileSize(18,11)"] = -5; },
         true, 0, emptied, nullptr, false},
        {"nothing in it", [](FakePhone& p) { p.put(18, 11, {}); }, true, 0, emptied, nullptr,
         false},
        {"size query fails", [](FakePhone& p) { p.overrides["GetNVMFileSize(18,11)"] = -7; }, true,
         -7, Before, "Error getting section 18-11 size", false},
        {"header read fails",
         [](FakePhone& p) {
             p.put(18, 11, ufifProgram(0x20031004, "Torch", 5120));
             p.overrides["ReadNVMFile(18,11,128)"] = -2;
         },
         true, -2, Before, "Error reading section 18-11", true},
        {"a program", [](FakePhone& p) { p.put(18, 11, ufifProgram(0x20031004, "Torch", 5120)); },
         true, 5120, SectionEntry{SectionKind::Program, "Torch", 0x20031004, 5120}, nullptr, true},
        {"a picture keeps the old word", [](FakePhone& p) { p.put(18, 11, gifPicture(169)); }, true,
         169, SectionEntry{SectionKind::Gif, "< GIF-File >", Before.formatWord, 169}, nullptr,
         true},
        {"unticked: only the size", [](FakePhone& p) { p.put(18, 11, gifPicture(169)); }, false,
         169, SectionEntry{SectionKind::Program, "", 0, 169}, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        c.arrange(phone);
        form().CheckBox1->setChecked(c.additionalInfo);

        EXPECT_EQ(probe(18, 11), c.result);

        EXPECT_EQ(text(SectionTable[3]), text(c.entry));
        EXPECT_EQ(dialogs.messages, (c.box ? Messages{{c.box, "ERROR"}} : Messages{}));
        EXPECT_EQ(statuses, std::vector<std::string>{"Refreshing section 18-11..."});
        EXPECT_EQ(std::count(phone.calls.begin(), phone.calls.end(), headerRead(18, 11)),
                  c.headerRead ? 1 : 0);
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(SectionProbe, AnAddressOutsideTheRangesWritesOnlyEntryZero) {
    // 18-30 and 2-9 lie just past the big range and just before the small one: their rows would
    // be counted into the other range's rows.
    const SectionAddress outside[] = {{18, 30}, {2, 9}, {18, 8}, {2, 15}, {17, 19}};
    for (const SectionAddress& at : outside) {
        SCOPED_TRACE(address(at.group, at.slot));
        markEveryRow();
        phone.put(at.group, at.slot, ufifProgram(0x20000000, "Outside", 500));

        EXPECT_EQ(probe(at.group, at.slot), 500);

        EXPECT_EQ(text(SectionTable[0]),
                  text((SectionEntry{SectionKind::Program, "Outside", 0x20000000, 500})));
        for (int row = 1; row < SectionTableSize; ++row)
            EXPECT_EQ(text(SectionTable[static_cast<std::size_t>(row)]), text(Before))
                << "row " << row;
    }
}

// Bytes past a short read must read as zero, not as the header of the section probed before.
TEST_F(SectionProbe, AShortHeaderIsNotCompletedByThePreviousOne) {
    Bytes earlier(128, 'A');
    earlier[3] = 0x20; // a UFIF program named "AAAAAAAAAAAAAAAA"
    struct Case {
        const char* name;
        Bytes shortHeader;
        SectionEntry entry;
    };
    const Case cases[] = {
        {"ringer", {0, 0, 0, 0, 'B', 0}, {SectionKind::Other, "10 sec ringer: B", 0, 6}},
        {"program name", {0, 0, 0, 0x20, 'B', 'C'}, {SectionKind::Program, "BC", 0x20000000, 6}},
        {"ELF", {0x7F, 'E', 'L', 'F'}, {SectionKind::Program, "", 0x464C457F, 4}},
        {"two bytes", {'G', 'I'}, {SectionKind::Other, "< Data >", 0, 2}},
        {"PRG3 library cut short",
         {0x2C, 0x01, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0},
         {SectionKind::Other, "< Data >", 0, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetSectionTable();
        phone.put(18, 9, earlier);
        phone.put(18, 10, c.shortHeader);
        ASSERT_EQ(probe(18, 9), 128);
        EXPECT_EQ(probe(18, 10), static_cast<int>(c.shortHeader.size()));
        EXPECT_EQ(text(SectionTable[2]), text(c.entry));
    }
}

TEST_F(SectionBrowser, WithoutSlotRowsFullRefreshOnlyReportsAndRefreshDoesNothing) {
    restartWith("[Manager]\r\nBigSlots=0\r\nSmallSlots=0\r\n");
    ASSERT_EQ(form().DrawGrid1->rowCount(), 1);

    refreshSelectedRow();
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_TRUE(statuses.empty());
    EXPECT_TRUE(dialogs.messages.empty());

    fullRefresh();
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "EndGBPMode()"}));
    EXPECT_EQ(statuses, std::vector<std::string>{"Updated!"});
    EXPECT_EQ(dialogs.messages, (Messages{{"Update done!", ""}}));
    EXPECT_TRUE(LinkIdle);
}

} // namespace
