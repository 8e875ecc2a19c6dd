#include "link/link_idle.h"
#include "mod/library_upload_texts.h"
#include "mod/pref_form.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "platform/int_text.h"
#include "sections/slot_map.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

#include <QAction>
#include <QLineEdit>

#include <cstddef>
#include <string>

namespace {

// The largest library the mod's UFIF2-library section takes.
constexpr std::size_t Ufif2LibraryLimit = 21504;

// The section named by the preferences just read. An edit left empty because the record could
// not be read stops the command here, before anything is asked.
SectionAddress librarySectionFromPreferences() {
    const int slot = parseIntText(PrefForm->ssEdit->text().toStdString());
    const int group = parseIntText(PrefForm->sEdit->text().toStdString());
    return {group, slot};
}

std::string uploadQuestion(SectionAddress at) {
    return "Are you sure to upload library into section " +
           CommandTexts::sectionAddress(at.group, at.slot) + "?";
}

void uploadUfif2Library(TForm1& form, SectionAddress at) {
    const auto path = form.dialogs().chooseFile(FileDialogId::OpenDialog1);
    if (!path)
        return;
    LinkIdle = false;
    form.setStatusText(CommandTexts::UploadingData);
    const FilePrefix library = readFilePrefix(*path, Ufif2LibraryLimit);
    if (library.fileLength > Ufif2LibraryLimit) {
        form.showError(LibraryTooBigText);
        LinkIdle = true;
        return;
    }
    form.verifiedWrite(at.group, at.slot, library.bytes.data(),
                       static_cast<int>(library.bytes.size()));
}

} // namespace

void TForm1::Button5Click() {
    GetPrefAction->trigger();
    if (!dialogs().confirm(uploadQuestion(librarySectionFromPreferences())))
        return;
    uploadUfif2Library(*this, librarySectionFromPreferences());
}
