#include "mod_command_fixture.h"

#include "link/link_idle.h"
#include "mod/pref_form.h"
#include "platform/radio_group.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

using Preferences = ModCommandFixture;

const std::vector<std::string> ReadCalls = inGbpMode({"ReadNVMFile(2,18,12)"});
const std::vector<std::string> WriteCalls = inGbpMode({"WriteNVMFile(2,18,12)"});
const std::vector<std::string> UpdateSeen = {"status: Uploading data...", "status: Uploaded!"};

// What the dialog shows once it has opened.
struct Shown {
    std::string group;
    std::string slot;
    int menuItem;
    bool autorun;
    std::string autorunGroup;
    std::string autorunSlot;
    friend bool operator==(const Shown&, const Shown&) = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
    *os << "{" << s.group << "-" << s.slot << ", menu " << s.menuItem << ", autorun " << s.autorun
        << " " << s.autorunGroup << "-" << s.autorunSlot << "}";
}

Shown shownByDialog() {
    // The autorun edits count as shown only while the box is ticked and they are on screen.
    const bool editsShown = PrefForm->AsEdit->isVisible() && PrefForm->AssEdit->isVisible();
    EXPECT_EQ(editsShown, PrefForm->ACheckBox->isChecked());
    return {PrefForm->sEdit->text().toStdString(),
            PrefForm->ssEdit->text().toStdString(),
            PrefForm->RG1->itemIndex(),
            PrefForm->ACheckBox->isChecked(),
            PrefForm->AsEdit->text().toStdString(),
            PrefForm->AssEdit->text().toStdString()};
}

// Opens the dialog with "ZAVx Preferences"; the script looks at it or changes it while it is
// open and closes it with its result.
void openPreferences(TForm1& form, ScriptedDialogs& dialogs, std::function<int()> script) {
    dialogs.modalScripts.push_back([script](QDialog&) { return script(); });
    form.Button3->click();
}

TEST_F(Preferences, TheDialogOpensWithTheRecordOnThePhone) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> record;
        Shown shown;
    };
    const Case cases[] = {
        {"everything set",
         StoredPreferences{7, 20, 2, 11, 18}.bytes(),
         {"2", "20", 1, true, "18", "11"}},
        {"no library section: the mod's own",
         StoredPreferences{3, 33, 0}.bytes(),
         {"2", "17", 0, false, "18", "09"}},
        {"show all", StoredPreferences{255}.bytes(), {"2", "17", 2, false, "18", "09"}},
        {"unknown mode chooses nothing",
         StoredPreferences{1}.bytes(),
         {"2", "17", -1, false, "18", "09"}},
        {"bytes of 128 and more read as negative",
         StoredPreferences{3, 200, 128, 255, 129}.bytes(),
         {"-128", "-56", 0, true, "-127", "-1"}},
        {"autorun group without slot is off",
         StoredPreferences{3, 17, 2, 0, 18}.bytes(),
         {"2", "17", 0, false, "18", "09"}},
        {"short record never turns autorun on",
         std::vector<std::uint8_t>{'Z', 'A', 'V', '2', 7, 0, 20, 2, 11, 18, 0},
         {"2", "20", 1, false, "18", "09"}},
        {"other magic read without complaint",
         std::vector<std::uint8_t>{'X', 'X', 'X', 'X', 7, 0, 5, 3, 0, 0, 0, 0},
         {"3", "5", 1, false, "18", "09"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restartWithEmptyPhone();
        phone.put(2, 18, c.record);
        Shown shown;
        openPreferences(form(), dialogs, [&] {
            shown = shownByDialog();
            return static_cast<int>(QDialog::Rejected);
        });
        EXPECT_EQ(shown, c.shown);
        // Cancel writes nothing; the read on opening has happened.
        EXPECT_EQ(phone.calls, ReadCalls);
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Preferences, ARecordThatCannotBeReadLeavesTheLibrarySectionEmpty) {
    struct Case {
        const char* name;
        std::deque<int> initResults;
        bool stored;
        std::vector<std::string> calls;
        std::string box;
    };
    const Case cases[] = {
        {"no GBP mode", {-1}, true, {"InitGBPMode(1)"}, CantInitBox},
        {"no record on the phone", {}, false, ReadCalls, "ERROR: Error reading section 2-18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        phone.initResults = c.initResults;
        if (c.stored)
            phone.put(2, 18, StoredPreferences{}.bytes());
        seen.clear();
        std::vector<bool> idleAtBoxes;
        dialogs.onMessage = [&](const ShownMessage& box) {
            seen.push_back(box.caption + ": " + box.text);
            idleAtBoxes.push_back(LinkIdle);
        };
        LinkIdle = true;
        Shown shown;
        openPreferences(form(), dialogs, [&] {
            shown = shownByDialog();
            return static_cast<int>(QDialog::Rejected);
        });
        EXPECT_EQ(shown.group, "");
        EXPECT_EQ(shown.slot, "");
        EXPECT_EQ(phone.calls, c.calls);
        EXPECT_EQ(seen, std::vector<std::string>{c.box});
        EXPECT_EQ(idleAtBoxes, std::vector<bool>{false});
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Preferences, UpdateWritesTheWholeRecordFromTheDialog) {
    struct Case {
        const char* name;
        StoredPreferences stored;
        std::function<void()> edit;
        std::vector<std::uint8_t> written;
    };
    const auto type = [](QLineEdit* edit, const char* text) { edit->setText(text); };
    const Case cases[] = {
        {"read back unchanged",
         {7, 20, 2, 11, 18},
         [] {},
         StoredPreferences{7, 20, 2, 11, 18}.bytes()},
        {"autorun group without slot written as off",
         {3, 17, 2, 0, 18},
         [] {},
         StoredPreferences{3, 17, 2, 0, 0}.bytes()},
        {"unknown mode kept", {1, 17, 2}, [] {}, StoredPreferences{1, 17, 2}.bytes()},
        {"bytes of 128 and more kept",
         {255, 200, 128, 255, 129},
         [] {},
         StoredPreferences{255, 200, 128, 255, 129}.bytes()},
        {"unused bytes written as 0",
         {3, 17, 2, 0, 0, 0xAA, 0x55},
         [] {},
         StoredPreferences{3, 17, 2}.bytes()},
        {"hex and leading zero",
         {},
         [&] {
             type(PrefForm->sEdit, "0x11");
             type(PrefForm->ssEdit, "011");
         },
         StoredPreferences{3, 11, 17}.bytes()},
        {"low 8 bits of what was typed",
         {},
         [&] {
             type(PrefForm->sEdit, "300");
             type(PrefForm->ssEdit, "-1");
             PrefForm->ACheckBox->setChecked(true);
             type(PrefForm->AsEdit, " $12");
             type(PrefForm->AssEdit, "+266");
         },
         StoredPreferences{3, 255, 44, 10, 18}.bytes()},
        {"ticking autorun writes the edits it shows",
         {},
         [] { PrefForm->ACheckBox->setChecked(true); },
         StoredPreferences{3, 17, 2, 9, 18}.bytes()},
        {"unticking autorun writes it off",
         {3, 17, 2, 11, 18},
         [] { PrefForm->ACheckBox->setChecked(false); },
         StoredPreferences{3, 17, 2}.bytes()},
        {"a chosen mode wins over the one read",
         {1, 17, 2},
         [] { PrefForm->RG1->item(2)->click(); },
         StoredPreferences{255, 17, 2}.bytes()},
        // Unticked, the autorun edits are not read at all.
        {"hidden autorun edits are not numbers",
         {},
         [&] {
             type(PrefForm->AsEdit, "zz");
             type(PrefForm->AssEdit, "");
         },
         StoredPreferences{}.bytes()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restartWithEmptyPhone();
        phone.put(2, 18, c.stored.bytes());
        openPreferences(form(), dialogs, [&] {
            c.edit();
            return static_cast<int>(QDialog::Accepted);
        });
        ASSERT_EQ(phone.writes.size(), 1u);
        EXPECT_EQ(phone.writes[0], c.written);
        EXPECT_EQ(phone.calls, joined({ReadCalls, WriteCalls}));
        EXPECT_EQ(seen, UpdateSeen);
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Preferences, AnEditThatIsNoNumberStopsTheUpdateBeforeThePhone) {
    struct Case {
        const char* name;
        std::function<void()> edit;
        std::string box;
    };
    const Case cases[] = {
        // The group edit is read first.
        {"both library edits",
         [] {
             PrefForm->sEdit->setText("g");
             PrefForm->ssEdit->setText("s");
         },
         "ERROR: 'g' is not a valid integer value"},
        {"empty slot", [] { PrefForm->ssEdit->clear(); }, "ERROR: '' is not a valid integer value"},
        {"ticked autorun slot",
         [] {
             PrefForm->ACheckBox->setChecked(true);
             PrefForm->AssEdit->setText("9 ");
         },
         "ERROR: '9 ' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        phone.reset();
        phone.put(2, 18, StoredPreferences{}.bytes());
        seen.clear();
        openPreferences(form(), dialogs, [&] {
            c.edit();
            return static_cast<int>(QDialog::Accepted);
        });
        EXPECT_EQ(phone.calls, ReadCalls);
        EXPECT_EQ(seen, (std::vector<std::string>{"status: Uploading data...", c.box}));
        EXPECT_TRUE(LinkIdle);
    }
}

TEST_F(Preferences, NoGbpModeForTheUpdateWritesNothing) {
    phone.put(2, 18, StoredPreferences{}.bytes());
    phone.initResults = {0, -1};
    openPreferences(form(), dialogs, [] { return static_cast<int>(QDialog::Accepted); });
    EXPECT_EQ(phone.calls, joined({ReadCalls, {"InitGBPMode(1)"}}));
    EXPECT_TRUE(phone.writes.empty());
    EXPECT_EQ(seen, (std::vector<std::string>{"status: Uploading data...", CantInitBox}));
    EXPECT_TRUE(LinkIdle);
}

TEST_F(Preferences, AFailedWriteGoesUnnoticed) {
    phone.put(2, 18, StoredPreferences{}.bytes());
    phone.overrides = {{"WriteNVMFile(2,18,12)", -1}};
    openPreferences(form(), dialogs, [] { return static_cast<int>(QDialog::Accepted); });
    EXPECT_EQ(phone.calls, joined({ReadCalls, WriteCalls}));
    EXPECT_EQ(seen, UpdateSeen);
}

TEST_F(Preferences, WhatARecordLeavesOpenKeepsWhatTheDialogHeld) {
    // The dialog lives as long as the program: a later record without autorun or with an
    // unknown mode leaves the autorun texts and the mode chosen before.
    phone.put(2, 18, StoredPreferences{7, 20, 2, 11, 18}.bytes());
    openPreferences(form(), dialogs, [] { return static_cast<int>(QDialog::Rejected); });

    phone.put(2, 18, StoredPreferences{1, 17, 2}.bytes());
    Shown shown;
    openPreferences(form(), dialogs, [&] {
        shown = shownByDialog();
        return static_cast<int>(QDialog::Accepted);
    });
    EXPECT_EQ(shown, (Shown{"2", "17", 1, false, "18", "11"}));
    // The mode written is the one still chosen, not the unknown one read.
    ASSERT_EQ(phone.writes.size(), 1u);
    EXPECT_EQ(phone.writes[0], (StoredPreferences{7, 17, 2}.bytes()));
}

TEST_F(Preferences, EnterInAnEditWritesNothing) {
    int closes = 0;
    QObject::connect(PrefForm, &QDialog::finished, [&closes] { ++closes; });
    PrefForm->show(); // a shown dialog picks its default button (and reads the record)
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(PrefForm->ssEdit, &enter);
    EXPECT_EQ(closes, 0);
    PrefForm->hide();
    EXPECT_TRUE(phone.writes.empty());
}

TEST_F(Preferences, TheDialogAndItsButtons) {
    EXPECT_EQ(PrefForm->windowTitle().toStdString(), "ZAV Mod Parameters");
    EXPECT_EQ(PrefForm->size(), QSize(253, 179));
    EXPECT_EQ(PrefForm->Button1->text().toStdString(), "Update");
    EXPECT_EQ(PrefForm->Button2->text().toStdString(), "Cancel");
    EXPECT_EQ(PrefForm->RG1->title().toStdString(), "Menu show mode");
    EXPECT_EQ(PrefForm->RG1->itemIndex(), -1);
    EXPECT_FALSE(PrefForm->ACheckBox->isChecked());

    // The buttons close the dialog with the result "ZAVx Preferences" acts on.
    struct Case {
        QPushButton* button;
        int result;
    };
    for (const Case c :
         {Case{PrefForm->Button1, QDialog::Accepted}, Case{PrefForm->Button2, QDialog::Rejected}}) {
        PrefForm->setResult(-1);
        PrefForm->show();
        c.button->click();
        EXPECT_EQ(PrefForm->result(), c.result);
        EXPECT_FALSE(PrefForm->isVisible());
    }
}

TEST_F(Preferences, EveryControlFitsTheDialogAndNoneOverlaps) {
    PrefForm->ACheckBox->setChecked(true); // the autorun edits shown
    const QWidget* const parents[] = {PrefForm, PrefForm->GroupBox1};
    for (const QWidget* parent : parents) {
        const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* child : children) {
            SCOPED_TRACE(child->metaObject()->className());
            EXPECT_TRUE(parent->rect().contains(child->geometry()));
            for (const QWidget* other : children) {
                if (other == child)
                    continue;
                EXPECT_FALSE(child->geometry().intersects(other->geometry()));
            }
        }
    }
    // Texts are shown whole: a wrapped note within its height, the rest within their width.
    for (const QLabel* label : PrefForm->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
        } else {
            EXPECT_LE(label->sizeHint().width(), label->width());
        }
    }
    // The widest value a record byte shows as.
    const QFontMetrics metrics(PrefForm->sEdit->font());
    for (const QLineEdit* edit : PrefForm->findChildren<QLineEdit*>())
        EXPECT_LE(metrics.horizontalAdvance("-128"), edit->width() - 8);
}

} // namespace
