#include "link/link_idle.h"
#include "mod/pref_form.h"
#include "mod/preferences_record.h"
#include "platform/dialog_service.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

#include <QAction>
#include <QLineEdit>

void TForm1::Button3Click() {
    // "Update" writes what the dialog shows; any other way out leaves the phone alone.
    if (dialogs().execModal(*PrefForm) == QDialog::Accepted)
        SetPrefAction->trigger();
}

void TForm1::GetPrefActionExecute() {
    // Emptied first, so a record that cannot be read leaves no section to upload a library to.
    PrefForm->sEdit->clear();
    PrefForm->ssEdit->clear();
    LinkIdle = false;
    if (!enterGbpMode())
        return;

    // Zeroed, so bytes a short read leaves untouched never hold anything stale.
    PreferencesRecordBytes record{};
    const int read = link_.ReadNVMFile(PreferencesGroup, PreferencesSlot, record.data(),
                                       static_cast<int>(record.size()));
    if (read < 0) {
        showError(CommandTexts::errorReadingSection(PreferencesGroup, PreferencesSlot));
        link_.EndGBPMode();
        LinkIdle = true;
        return;
    }
    link_.EndGBPMode();
    LinkIdle = true;
    PrefForm->showPreferences(decodePreferencesRecord(record, read));
}

void TForm1::SetPrefActionExecute() {
    LinkIdleGuard idleAgain;
    LinkIdle = false;
    setStatusText(CommandTexts::UploadingData);
    // Every edit is read before the phone is touched: a text that is no number stops here.
    const PreferencesRecordBytes record = encodePreferencesRecord(PrefForm->preferencesInput());
    if (!enterGbpMode())
        return;
    // The mod's record has no check of its own; a failed write shows on the next read.
    link_.WriteNVMFile(PreferencesGroup, PreferencesSlot, record.data(),
                       static_cast<int>(record.size()));
    link_.EndGBPMode();
    setStatusText(CommandTexts::Uploaded);
}
