#include "platform/dialog_service.h"
#include "platform/int_text.h"
#include "platform/mask_edit.h"
#include "platform/zav_error.h"
#include "sections/slot_map.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"

#include <QDialog>

namespace {

std::int32_t editValue(const MaskEdit* edit) { return parseIntText(edit->text().toStdString()); }

} // namespace

void TForm1::Button7Click() {
    SaveSettings();
    if (dialogs_.execModal(*ExpertsForm) == QDialog::Accepted) {
        FirstBig = editValue(ExpertsForm->BSME1);
        BigSlots = editValue(ExpertsForm->BSME2) - FirstBig + 1;
        FirstSmall = editValue(ExpertsForm->SSME1);
        SmallSlots = editValue(ExpertsForm->SSME2) - FirstSmall + 1;
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
