#include "manager_fixture.h"

#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"

#include "platform/mask_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

using Settings = ManagerFixture;

TEST_F(Settings, ValuesAreAppliedAsRead) {
    restartWith("[Form]\nTop=30\nLeft=$64\nWidth=400\nHeight=0x1F4\n"
                "[Manager]\nCOM-Port=0x2\nFirstBig=5\nBigSlots=3\nFirstSmall=11\nSmallSlots=2\n"
                "UFIFFW=6\n");
    EXPECT_EQ(form().pos(), QPoint(100, 30));
    EXPECT_EQ(form().size(), QSize(400, 500));
    EXPECT_EQ(form().ComboBox1->currentText().toStdString(), "COM3");
    EXPECT_EQ(form().selectedPort(), 3);
    EXPECT_EQ(form().DrawGrid1->rowCount(), 6);
    EXPECT_EQ(addressForRow(1), (SectionAddress{18, 5}));
    EXPECT_EQ(addressForRow(4), (SectionAddress{2, 11}));
    EXPECT_EQ(ExpertsForm->FWComboBox->currentIndex(), 6);
    EXPECT_EQ(ExpertsForm->BSME1->text().toStdString(), "5");
    EXPECT_EQ(ExpertsForm->BSME2->text().toStdString(), "7");
    EXPECT_EQ(ExpertsForm->SSME1->text().toStdString(), "11");
    EXPECT_EQ(ExpertsForm->SSME2->text().toStdString(), "12");
}

TEST_F(Settings, UnreadableValuesGiveTheDefaults) {
    restartWith("[form]\ntop=high\n[manager]\ncom-port=\nbigslots=1.5\n");
    EXPECT_EQ(form().pos(), QPoint(240, 20));
    EXPECT_EQ(form().ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form().DrawGrid1->rowCount(), 27);
}

// Replaces a combo box's text by typing, key by key, as a user would; then presses Enter.
void typeInto(QComboBox& box, const QString& text) {
    QLineEdit& edit = *box.lineEdit();
    edit.selectAll();
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &key);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter);
}

TEST_F(Settings, TypedTextsSelectTheirItemOrNone) {
    struct Case {
        const char* port;
        int portIndex;
        const char* target;
        int targetIndex;
        const char* shownPort; // an item, once chosen, shows its own text
        const char* shownTarget;
    };
    const char* const z7 = "0x37BDD8 - Z7 4.5.6/4";
    const Case cases[] = {
        {"COM3", 2, z7, 6, "COM3", z7},
        {"com2", 1, "0x37bdd8 - z7 4.5.6/4", 6, "COM2", z7},
        {"COM9", -1, "0x380000 - Z7 4.5.6/4", -1, "COM9", "0x380000 - Z7 4.5.6/4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        typeInto(*form().ComboBox1, c.port);
        typeInto(*ExpertsForm->FWComboBox, c.target);
        EXPECT_EQ(form().ComboBox1->currentText().toStdString(), c.shownPort);
        EXPECT_EQ(form().selectedPort(), c.portIndex + 1);
        EXPECT_EQ(form().ComboBox1->count(), 4) << "nothing typed joins the list";
        EXPECT_EQ(ExpertsForm->FWComboBox->currentText().toStdString(), c.shownTarget);
        EXPECT_EQ(ExpertsForm->FWComboBox->currentIndex(), c.targetIndex);
        EXPECT_EQ(ExpertsForm->FWComboBox->count(), 7);
        form().SaveSettings();
        const std::string saved = readFileText(settingsPath);
        EXPECT_NE(saved.find("COM-Port=" + std::to_string(c.portIndex) + "\r\n"),
                  std::string::npos);
        EXPECT_NE(saved.find("UFIFFW=" + std::to_string(c.targetIndex) + "\r\n"),
                  std::string::npos);
    }
}

TEST_F(Settings, ItemsOutsideTheListsSelectNothing) {
    restartWith("[Manager]\nCOM-Port=7\nUFIFFW=-1\n");
    EXPECT_EQ(form().ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form().selectedPort(), 0);
    EXPECT_EQ(ExpertsForm->FWComboBox->currentIndex(), -1);
    form().close();
    const std::string saved = readFileText(settingsPath);
    EXPECT_NE(saved.find("COM-Port=-1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("UFIFFW=-1\r\n"), std::string::npos);
}

TEST_F(Settings, RangesTheTableCannotHoldFallBackToTheDefaults) {
    struct Case {
        const char* manager;
        int firstBig, bigSlots, firstSmall, smallSlots;
    };
    const Case cases[] = {
        {"FirstBig=0\nBigSlots=60\nFirstSmall=0\nSmallSlots=40\n", 9, 21, 10, 5},
        {"FirstBig=250\nBigSlots=10\nFirstSmall=3\nSmallSlots=2\n", 9, 21, 3, 2},
        {"FirstBig=4\nBigSlots=-2\n", 9, 21, 10, 5},
        {"FirstSmall=300\nSmallSlots=1\nFirstBig=1\nBigSlots=1\n", 1, 1, 10, 5},
        {"FirstBig=0\nBigSlots=99\nFirstSmall=0\nSmallSlots=0\n", 0, 99, 0, 0},
    };
    for (const auto& c : cases) {
        restartWith(std::string("[Manager]\n") + c.manager);
        EXPECT_EQ(FirstBig, c.firstBig) << c.manager;
        EXPECT_EQ(BigSlots, c.bigSlots) << c.manager;
        EXPECT_EQ(FirstSmall, c.firstSmall) << c.manager;
        EXPECT_EQ(SmallSlots, c.smallSlots) << c.manager;
        EXPECT_EQ(form().DrawGrid1->rowCount(), c.bigSlots + c.smallSlots + 1) << c.manager;
    }
}

TEST_F(Settings, EveryLoadEmptiesTheTable) {
    SectionTable[3] = {SectionKind::Program, "Clock", 0x20000000, 4000};
    SectionTable[99] = {SectionKind::Other, "< Data >", 0, 10};
    form().LoadSettings();
    EXPECT_EQ(SectionTable[3].kind, SectionKind::Empty);
    EXPECT_EQ(SectionTable[3].caption, "");
    EXPECT_EQ(SectionTable[99].size, 0);
}

TEST_F(Settings, SavedPlacementAndChoicesComeBack) {
    form().move(300, 40);
    form().resize(360, 500);
    form().ComboBox1->setCurrentIndex(3);
    ExpertsForm->FWComboBox->setCurrentIndex(4);
    form().close();
    stopManager();
    startManager();
    EXPECT_EQ(form().pos(), QPoint(300, 40));
    EXPECT_EQ(form().size(), QSize(360, 500));
    EXPECT_EQ(form().selectedPort(), 4);
    EXPECT_EQ(ExpertsForm->FWComboBox->currentIndex(), 4);
}

} // namespace
