#include "manager_fixture.h"

#include "link/link_idle.h"
#include "sections/section_table.h"
#include "shell/main_form.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <string>
#include <vector>

namespace {

using Offered = std::vector<std::string>;

// What the menu offers for a program, and for a picture.
const Offered ProgramCommands{"Refresh", "Upload", "Clear", "Download"};
const Offered GifCommands{"Refresh", "Upload", "Clear", "Download", "Play GIF"};

class SectionContextMenu : public ManagerFixture {
protected:
    void TearDown() override {
        form().PopupMenu1->hide();
        ManagerFixture::TearDown();
    }

    // The middle of a slot row's middle cell, in the grid's client coordinates.
    QPoint rowPoint(int row) {
        DrawGrid& grid = *form().DrawGrid1;
        return grid.visualRect(grid.model()->index(row - 1, 1)).center();
    }

    // A press and release of one button, as the user's click sends them; by default on the
    // grid's rows, or else on the given part of it (its header row).
    void click(Qt::MouseButton button, QPoint point, QWidget* on = nullptr) {
        QWidget* viewport = on ? on : form().DrawGrid1->viewport();
        const QPointF global = viewport->mapToGlobal(QPointF(point));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), global, button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), global, button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
    }

    Offered enabledActions() {
        Offered enabled;
        for (const QAction* action : form().PopupMenu1->actions())
            if (action->isEnabled())
                enabled.push_back(action->text().toStdString());
        return enabled;
    }

    bool menuOpen() { return form().PopupMenu1->isVisible(); }
    void closeMenu() { form().PopupMenu1->hide(); }
};

TEST_F(SectionContextMenu, OffersTheCommandsThatSuitTheSelectedRowsKind) {
    struct Case {
        const char* name;
        SectionKind kind;
        std::uint32_t word;
        Offered offered;
    };
    const Case cases[] = {
        {"picture", SectionKind::Gif, 0x20000000, GifCommands},
        {"empty", SectionKind::Empty, 0x20000000, {"Refresh", "Upload"}},
        {"UFIF 2.0 program",
         SectionKind::Program,
         0x20000000,
         {"Refresh", "Upload", "Clear", "Download", "Convert to UFIF2.1"}},
        {"UFIF 2.0 with a build number", SectionKind::Program, 0x20000001, ProgramCommands},
        {"UFIF 2.1 program", SectionKind::Program, 0x20010000, ProgramCommands},
        {"program probed without its header", SectionKind::Program, 0, ProgramCommands},
        {"library, ringer or data",
         SectionKind::Other,
         0x20000000,
         {"Refresh", "Clear", "Download"}},
    };
    LinkIdle = true;
    selectRow(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SectionTable[5] = {c.kind, "x", c.word, 100};
        click(Qt::RightButton, rowPoint(5));
        EXPECT_TRUE(menuOpen());
        EXPECT_EQ(enabledActions(), c.offered);
        closeMenu();
        // The states stay for the command chosen after the menu closed.
        EXPECT_EQ(enabledActions(), c.offered);
    }
    EXPECT_TRUE(phone.calls.empty());
}

TEST_F(SectionContextMenu, ClosedUntilTheFirstCommandHasEndedAndWhileOneRuns) {
    SectionTable[1] = {SectionKind::Gif, "< GIF-File >", 0, 169};
    ASSERT_FALSE(LinkIdle);
    click(Qt::RightButton, rowPoint(1));
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(enabledActions(), Offered{});

    phone.put(18, 9, {'G', 'I', 'F', '8', '9', 'a'});
    form().Button1->click();
    click(Qt::RightButton, rowPoint(1));
    EXPECT_TRUE(menuOpen());
    EXPECT_EQ(enabledActions(), GifCommands);
    closeMenu();

    // A command's box comes before the command has ended: no menu over it.
    bool openedDuringCommand = true;
    dialogs.onMessage = [&](const ShownMessage&) {
        click(Qt::RightButton, rowPoint(1));
        openedDuringCommand = menuOpen();
    };
    phone.initResults = {-4};
    form().Button1->click();
    dialogs.onMessage = nullptr;
    EXPECT_EQ(dialogs.messages.back().text, "Can't Init GPB Mode");
    EXPECT_FALSE(openedDuringCommand);
}

TEST_F(SectionContextMenu, WhileACommandRunsTheLastOfferStands) {
    SectionTable[5] = {SectionKind::Gif, "< GIF-File >", 0, 169};
    SectionTable[6] = {SectionKind::Empty, "< Empty >", 0, 0};
    LinkIdle = true;
    selectRow(5);
    click(Qt::RightButton, rowPoint(5));
    closeMenu();
    LinkIdle = false;
    selectRow(6);
    click(Qt::RightButton, rowPoint(6));
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(enabledActions(), GifCommands);
}

TEST_F(SectionContextMenu, ARightClickActsOnTheSelectedRowNotTheOneUnderThePointer) {
    SectionTable[3] = {SectionKind::Gif, "< GIF-File >", 0, 169};
    SectionTable[5] = {SectionKind::Empty, "< Empty >", 0, 0};
    LinkIdle = true;

    click(Qt::LeftButton, rowPoint(3));
    EXPECT_EQ(form().DrawGrid1->currentGridRow(), 3);
    EXPECT_FALSE(menuOpen()) << "only the right button opens the menu";

    click(Qt::RightButton, rowPoint(5));
    EXPECT_EQ(form().DrawGrid1->currentGridRow(), 3);
    EXPECT_TRUE(menuOpen());
    EXPECT_EQ(enabledActions(), GifCommands);
    closeMenu();

    // The header row is part of the grid too: a left click there keeps the selection, a right
    // click opens the menu of the selected row.
    QWidget* header = form().DrawGrid1->horizontalHeader()->viewport();
    click(Qt::LeftButton, QPoint(100, 10), header);
    EXPECT_FALSE(menuOpen());
    click(Qt::RightButton, QPoint(100, 10), header);
    EXPECT_EQ(form().DrawGrid1->currentGridRow(), 3);
    EXPECT_TRUE(menuOpen());
    EXPECT_EQ(enabledActions(), GifCommands);
    closeMenu();

    // The command chosen from the menu works on the selected row too: 18-11.
    phone.put(18, 11, {'G', 'I', 'F', '8', '9', 'a'});
    form().RefreshAction->trigger();
    EXPECT_EQ(phone.calls, (std::vector<std::string>{"InitGBPMode(1)", "GetNVMFileSize(18,11)",
                                                     "ReadNVMFile(18,11,128)", "EndGBPMode()"}));
}

TEST_F(SectionContextMenu, NothingWithoutSlotRows) {
    restartWith("[Manager]\r\nBigSlots=0\r\nSmallSlots=0\r\n");
    LinkIdle = true;
    QWidget* viewport = form().DrawGrid1->viewport();
    click(Qt::RightButton, QPoint(viewport->width() / 2, viewport->height() / 2));
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(enabledActions(), Offered{});
}

} // namespace
