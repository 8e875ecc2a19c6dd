#include "platform/ini_file.h"
#include "platform/mask_edit.h"
#include "sections/section_table.h"
#include "sections/slot_map.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"
#include "shell/settings_keys.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// An index from the file that names no item leaves the box with nothing selected.
void selectItem(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void readSlotRanges(const IniFile& file) {
    using SettingsKeys::ManagerSection;
    FirstBig = file.readInteger(ManagerSection, SettingsKeys::FirstBigKey, DefaultFirstBig);
    BigSlots = file.readInteger(ManagerSection, SettingsKeys::BigSlotsKey, DefaultBigSlots);
    FirstSmall = file.readInteger(ManagerSection, SettingsKeys::FirstSmallKey, DefaultFirstSmall);
    SmallSlots = file.readInteger(ManagerSection, SettingsKeys::SmallSlotsKey, DefaultSmallSlots);
    // Ranges that the section table or the link cannot serve fall back to the defaults.
    if (!slotRangeFits(FirstBig, BigSlots)) {
        FirstBig = DefaultFirstBig;
        BigSlots = DefaultBigSlots;
    }
    if (!slotRangeFits(FirstSmall, SmallSlots)) {
        FirstSmall = DefaultFirstSmall;
        SmallSlots = DefaultSmallSlots;
    }
    if (!slotRangesFit(FirstBig, BigSlots, FirstSmall, SmallSlots)) {
        FirstBig = DefaultFirstBig;
        BigSlots = DefaultBigSlots;
        FirstSmall = DefaultFirstSmall;
        SmallSlots = DefaultSmallSlots;
    }
}

} // namespace

void TForm1::LoadSettings() {
    using namespace SettingsKeys;
    const IniFile file(settingsPath_);
    const int top = file.readInteger(FormSection, Top, SettingsDefaults::Top);
    const int left = file.readInteger(FormSection, Left, SettingsDefaults::Left);
    move(left, top);
    const int width = file.readInteger(FormSection, Width, SettingsDefaults::Width);
    const int height = file.readInteger(FormSection, Height, SettingsDefaults::Height);
    resize(width, height);
    selectItem(ComboBox1, file.readInteger(ManagerSection, ComPort, SettingsDefaults::ComPort));
    readSlotRanges(file);
    selectItem(ExpertsForm->FWComboBox,
               file.readInteger(ManagerSection, FirmwareTarget, SettingsDefaults::FirmwareTarget));

    FormResize();
    DrawGrid1->setRowCount(gridRowCount());
    resetSectionTable();
    repaintGrid();

    ExpertsForm->BSME1->setText(QString::number(FirstBig));
    ExpertsForm->BSME2->setText(QString::number(FirstBig + BigSlots - 1));
    ExpertsForm->SSME1->setText(QString::number(FirstSmall));
    ExpertsForm->SSME2->setText(QString::number(FirstSmall + SmallSlots - 1));
}

void TForm1::SaveSettings() {
    using namespace SettingsKeys;
    IniFile file(settingsPath_);
    file.writeInteger(FormSection, Top, y());
    file.writeInteger(FormSection, Left, x());
    file.writeInteger(FormSection, Width, width());
    file.writeInteger(FormSection, Height, height());
    file.writeInteger(ManagerSection, ComPort, ComboBox1->currentIndex());
    file.writeInteger(ManagerSection, SettingsKeys::FirstBigKey, FirstBig);
    file.writeInteger(ManagerSection, SettingsKeys::BigSlotsKey, BigSlots);
    file.writeInteger(ManagerSection, SettingsKeys::FirstSmallKey, FirstSmall);
    file.writeInteger(ManagerSection, SettingsKeys::SmallSlotsKey, SmallSlots);
    file.writeInteger(ManagerSection, FirmwareTarget, ExpertsForm->FWComboBox->currentIndex());
}
