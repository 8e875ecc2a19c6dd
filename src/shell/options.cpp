#include "platform/dialog_service.h"
#include "platform/zav_error.h"
#include "sections/slot_map.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"

#include <QDialog>

void TForm1::Button7Click() {
    SaveSettings();
    if (dialogs_.execModal(*ExpertsForm) == QDialog::Accepted) {
        const SlotRanges ranges = ExpertsForm->editedRanges();
        FirstBig = ranges.firstBig;
        BigSlots = ranges.bigSlots;
        FirstSmall = ranges.firstSmall;
        SmallSlots = ranges.smallSlots;
        // The grid must never map its old rows onto the new ranges: when the save fails, the
        // file's ranges are applied again before the error is shown.
        try {
            SaveSettings();
        } catch (const ZavError&) {
            LoadSettings();
            throw;
        }
    }
    LoadSettings();
}
