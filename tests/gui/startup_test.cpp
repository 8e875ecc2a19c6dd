#include "manager_fixture.h"

#include "link/link_idle.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/about_box.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"
#include "shell/manager_windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

#include <filesystem>

namespace {

using StartUp = ManagerFixture;

TEST(StartUpWithoutLink, OnlyTheErrorBoxAndTheSettingsStayUntouched) {
    TempFolder temp;
    const std::string settings = temp.file("zav3manager.INI");
    writeFileText(settings, "[Form]");
    ScriptedDialogs dialogs;
    const auto form = createManagerWindows(
        dialogs, [&](PhoneLink& link) { return link.bindLibrary(temp.path().string()); }, settings);
    EXPECT_FALSE(form);
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{{"Unable to open GPB.DLL", "ERROR"}}));
    EXPECT_EQ(readFileText(settings), "[Form]");
}

TEST_F(StartUp, DefaultsWithoutASettingsFile) {
    EXPECT_EQ(form().pos(), QPoint(240, 20));
    EXPECT_EQ(form().size(), QSize(330, 420));
    EXPECT_EQ(form().ComboBox1->currentIndex(), 0);
    EXPECT_EQ(ExpertsForm->FWComboBox->currentIndex(), 0);
    EXPECT_EQ(form().DrawGrid1->rowCount(), 27);
    EXPECT_EQ(addressForRow(1), (SectionAddress{18, 9}));
    EXPECT_EQ(addressForRow(26), (SectionAddress{2, 14}));
    EXPECT_FALSE(LinkIdle);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(phone.calls.empty());
}

TEST_F(StartUp, PanelControlsAndTheHiddenTools) {
    struct Expect {
        QPushButton* button;
        const char* caption;
        QRect place;
        bool shown;
    };
    TForm1& f = form();
    const Expect buttons[] = {
        {f.Button7, "Options", {91, 4, 105, 25}, true},
        {f.Button4, "SummSize 18", {184, 5, 79, 17}, false},
        {f.Button6, "PRG3 library upload", {200, 4, 113, 25}, true},
        {f.Button1, "Full Refresh", {8, 32, 79, 25}, true},
        {f.Button3, "ZAVx Preferences", {91, 32, 105, 25}, true},
        {f.Button5, "UFIF2 library upload", {200, 32, 113, 25}, true},
        {f.Button9, "U", {157, 60, 20, 17}, false},
        {f.Button10, "C", {178, 60, 20, 17}, false},
        {f.Button8, "Button8", {200, 60, 63, 17}, false},
        {f.Button2, "About", {266, 60, 47, 17}, true},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->text().toStdString(), b.caption);
        EXPECT_EQ(b.button->geometry(), b.place) << b.caption;
        EXPECT_EQ(b.button->isVisible(), b.shown) << b.caption;
    }
    EXPECT_EQ(f.windowTitle().toStdString(), "ZAV3 Manager 1.7.1");
    EXPECT_TRUE(f.CheckBox1->isChecked());
    EXPECT_EQ(f.CheckBox1->text().toStdString(), "Additional info in full refresh");
    EXPECT_EQ(f.ComboBox1->count(), 4);
    EXPECT_EQ(f.ComboBox1->itemText(3).toStdString(), "COM4");
    EXPECT_EQ(f.Panel1->height(), 81);
    QStringList captions;
    for (const QAction* action : f.PopupMenu1->actions())
        captions << action->text();
    EXPECT_EQ(captions, QStringList({"Refresh", "Upload", "Clear", "Download", "Play GIF",
                                     "Convert to UFIF2.1"}));
}

TEST_F(StartUp, GridColumnsFollowTheWindowWidth) {
    DrawGrid& grid = *form().DrawGrid1;
    EXPECT_EQ(grid.colWidth(0), 75);
    EXPECT_EQ(grid.colWidth(2), 64);
    EXPECT_EQ(grid.colWidth(1), grid.viewport()->width() - 75 - 64);
    const int middle = grid.colWidth(1);
    form().resize(form().width() + 40, form().height());
    QApplication::processEvents();
    EXPECT_EQ(grid.colWidth(1), middle + 40);
    EXPECT_EQ(grid.colWidth(0), 75);
    EXPECT_EQ(grid.colWidth(2), 64);
    // Narrower than the two outer columns: the middle one shrinks to nothing, never below.
    form().resize(100, form().height());
    QApplication::processEvents();
    EXPECT_EQ(grid.colWidth(1), 0);
}

TEST_F(StartUp, AboutIsModalAndChangesNothing) {
    dialogs.modalScripts.push_back([](QDialog& box) {
        EXPECT_TRUE(box.isVisible());
        return static_cast<int>(QDialog::Accepted);
    });
    form().Button2->click();
    EXPECT_EQ(dialogs.modalTitles, std::vector<std::string>{"About"});
    EXPECT_FALSE(AboutBox->isVisible());
    EXPECT_TRUE(phone.calls.empty());
    EXPECT_TRUE(statuses.empty());
}

TEST_F(StartUp, ClosingWithoutASettingsFileWritesAllTenKeysInOrder) {
    ASSERT_FALSE(std::filesystem::exists(settingsPath));
    form().close();
    EXPECT_EQ(readFileText(settingsPath),
              "[Form]\r\nTop=20\r\nLeft=240\r\nWidth=330\r\nHeight=420\r\n"
              "[Manager]\r\nCOM-Port=0\r\nFirstBig=9\r\nBigSlots=21\r\n"
              "FirstSmall=10\r\nSmallSlots=5\r\nUFIFFW=0\r\n");
}

TEST_F(StartUp, AnUnwritableSettingsFileIsReportedAndTheWindowStillCloses) {
    std::filesystem::create_directories(settingsPath); // a folder where the file should be
    form().close();
    EXPECT_FALSE(form().isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Unable to write to " + settingsPath);
    EXPECT_EQ(dialogs.messages[0].caption, "ERROR");
    EXPECT_FALSE(std::filesystem::exists(settingsPath + ".new")) << "no half-done file is left";
}

} // namespace
