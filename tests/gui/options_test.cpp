#include "manager_fixture.h"

#include "link/link_idle.h"
#include "platform/mask_edit.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

#include <filesystem>

namespace {

class Options : public ManagerFixture {
protected:
    // Opens the options dialog; the script runs while it is shown.
    void runOptions(std::function<int(TExpertsForm&)> script) {
        dialogs.modalScripts.push_back(
            [script](QDialog& dialog) { return script(static_cast<TExpertsForm&>(dialog)); });
        form().Button7->click();
    }

    static void setRanges(TExpertsForm& f, const char* b1, const char* b2, const char* s1,
                          const char* s2) {
        f.BSME1->setText(b1);
        f.BSME2->setText(b2);
        f.SSME1->setText(s1);
        f.SSME2->setText(s2);
    }
};

TEST_F(Options, OpensWithTheCurrentSettings) {
    runOptions([](TExpertsForm& f) {
        EXPECT_EQ(f.windowTitle().toStdString(), "Manager options");
        EXPECT_EQ(f.BSME1->text().toStdString(), "9");
        EXPECT_EQ(f.BSME2->text().toStdString(), "29");
        EXPECT_EQ(f.SSME1->text().toStdString(), "10");
        EXPECT_EQ(f.SSME2->text().toStdString(), "14");
        EXPECT_EQ(f.FWComboBox->currentIndex(), 0);
        EXPECT_EQ(f.FWComboBox->count(), 7);
        EXPECT_EQ(f.FWComboBox->itemText(6).toStdString(), "0x37BDD8 - Z7 4.5.6/4");
        return static_cast<int>(QDialog::Rejected);
    });
    // The settings were saved before the dialog opened.
    EXPECT_NE(readFileText(settingsPath).find("FirstBig=9"), std::string::npos);
}

TEST_F(Options, OkAppliesTheRangesAndTheTarget) {
    SectionTable[1] = {SectionKind::Program, "Clock", 0x20000000, 4000};
    runOptions([](TExpertsForm& f) {
        setRanges(f, "05", "07", "10", "14");
        f.FWComboBox->setCurrentIndex(6);
        f.accept();
        EXPECT_FALSE(f.isVisible());
        return f.result();
    });
    EXPECT_EQ(FirstBig, 5);
    EXPECT_EQ(BigSlots, 3);
    EXPECT_EQ(form().DrawGrid1->rowCount(), 9);
    EXPECT_EQ(addressForRow(3), (SectionAddress{18, 7}));
    EXPECT_EQ(SectionTable[1].caption, "");
    const std::string saved = readFileText(settingsPath);
    EXPECT_NE(saved.find("FirstBig=5\r\nBigSlots=3\r\n"), std::string::npos);
    EXPECT_NE(saved.find("UFIFFW=6"), std::string::npos);
    EXPECT_EQ(ExpertsForm->BSME2->text().toStdString(), "7");
}

TEST_F(Options, ASaveThatFailsAfterOkLeavesTheGridOnTheFilesRanges) {
    SectionTable[1] = {SectionKind::Program, "Clock", 0x20000000, 4000};
    LinkIdle = false; // no phone command has run yet
    runOptions([this](TExpertsForm& f) {
        setRanges(f, "05", "07", "10", "14");
        // The file was saved before the dialog opened; now it can no longer be written.
        std::filesystem::remove(settingsPath);
        std::filesystem::create_directories(settingsPath);
        f.accept();
        return f.result();
    });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Unable to write to " + settingsPath);
    EXPECT_EQ(FirstBig, DefaultFirstBig);
    EXPECT_EQ(BigSlots, DefaultBigSlots);
    EXPECT_EQ(form().DrawGrid1->rowCount(), 1 + DefaultBigSlots + DefaultSmallSlots);
    EXPECT_EQ(SectionTable[1].caption, "");
    EXPECT_FALSE(LinkIdle) << "no phone command ran, so the grid's menu stays closed";
}

TEST_F(Options, CancelUndoesEverythingButStillEmptiesTheGrid) {
    SectionTable[1] = {SectionKind::Program, "Clock", 0x20000000, 4000};
    runOptions([](TExpertsForm& f) {
        f.Button3->click(); // Default
        EXPECT_EQ(f.BSME1->text().toStdString(), "09");
        EXPECT_EQ(f.BSME2->text().toStdString(), "29");
        EXPECT_EQ(f.SSME1->text().toStdString(), "10");
        EXPECT_EQ(f.SSME2->text().toStdString(), "14");
        setRanges(f, "01", "02", "03", "04");
        f.FWComboBox->setCurrentIndex(6);
        return static_cast<int>(QDialog::Rejected);
    });
    EXPECT_EQ(FirstBig, 9);
    EXPECT_EQ(BigSlots, 21);
    EXPECT_EQ(ExpertsForm->FWComboBox->currentIndex(), 0);
    EXPECT_EQ(ExpertsForm->BSME1->text().toStdString(), "9");
    EXPECT_EQ(SectionTable[1].kind, SectionKind::Empty);
    EXPECT_EQ(SectionTable[1].caption, "");
}

TEST_F(Options, OkRefusesRangesTheGridCannotShow) {
    struct Case {
        const char *b1, *b2, *s1, *s2;
        std::string message;
    };
    const Case cases[] = {
        {"09", "08", "10", "14", TExpertsForm::LastSlotBelowFirstText},
        {"09", "29", "14", "10", TExpertsForm::LastSlotBelowFirstText},
        {"00", "60", "00", "40", TExpertsForm::TooManySlotsText},
        {"", "29", "10", "14", "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        runOptions([&](TExpertsForm& f) {
            setRanges(f, c.b1, c.b2, c.s1, c.s2);
            f.accept();
            EXPECT_TRUE(f.isVisible()) << c.message;
            setRanges(f, "00", "97", "00", "00"); // 99 rows together still fit
            f.accept();
            EXPECT_FALSE(f.isVisible());
            return f.result();
        });
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].caption, "ERROR");
        EXPECT_EQ(BigSlots, 98);
        EXPECT_EQ(SmallSlots, 1);
    }
}

TEST_F(Options, AnIncompleteSlotEditKeepsTheFocus) {
    runOptions([this](TExpertsForm& f) {
        f.BSME1->setText("");
        f.BSME1->setCursorPosition(0);
        QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
        QApplication::sendEvent(f.BSME1, &five);
        EXPECT_TRUE(f.BSME1->isModified());
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(f.BSME1, &leave);
        EXPECT_EQ(dialogs.messages.size(), 1u);
        // Complete, it lets the focus go.
        f.BSME1->setCursorPosition(1);
        QKeyEvent six(QEvent::KeyPress, Qt::Key_6, Qt::NoModifier, "6");
        QApplication::sendEvent(f.BSME1, &six);
        QApplication::sendEvent(f.BSME1, &leave);
        EXPECT_EQ(f.BSME1->text().toStdString(), "56");
        return static_cast<int>(QDialog::Rejected);
    });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, MaskEdit::InvalidInputText);
}

TEST_F(Options, EnterInASlotEditDoesNotCloseTheDialog) {
    runOptions([](TExpertsForm& f) {
        int closes = 0;
        QObject::connect(&f, &QDialog::finished, [&closes] { ++closes; });
        f.show(); // a shown dialog picks its default button
        f.BSME1->setText("5");
        f.BSME1->setModified(true);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(f.BSME1, &enter);
        EXPECT_EQ(closes, 0);
        EXPECT_TRUE(f.isVisible());
        f.hide();
        return static_cast<int>(QDialog::Rejected);
    });
    EXPECT_EQ(FirstBig, DefaultFirstBig);
}

TEST_F(Options, EscapeAbandonsAChangeAndOnlyThenStaysInTheEdit) {
    runOptions([](TExpertsForm& f) {
        int cancels = 0;
        QObject::connect(&f, &QDialog::rejected, [&cancels] { ++cancels; });
        QFocusEvent enter(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(f.BSME1, &enter);
        f.BSME1->setCursorPosition(0);
        QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
        QApplication::sendEvent(f.BSME1, &five);
        EXPECT_EQ(f.BSME1->text().toStdString(), "5");

        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(f.BSME1, &escape);
        EXPECT_EQ(f.BSME1->text().toStdString(), "9");
        EXPECT_FALSE(f.BSME1->isModified());
        EXPECT_EQ(cancels, 0);

        // Unchanged, the edit leaves Escape to the dialog, which it cancels.
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(f.BSME1, &again);
        EXPECT_EQ(cancels, 1);
        return static_cast<int>(QDialog::Rejected);
    });
}

} // namespace
