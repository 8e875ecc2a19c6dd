#include "link/link_idle.h"
#include "mod/library_upload_texts.h"
#include "mod/prg3_library_text.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

namespace {

void uploadPrg3Library(TForm1& form, int group, int slot) {
    const auto path = form.dialogs().chooseFile(FileDialogId::OpenDialog1);
    if (!path)
        return;
    LinkIdle = false;
    form.setStatusText(CommandTexts::UploadingData);
    // A bad release line raises here, before anything reaches the phone.
    const Prg3LibraryImage image = buildPrg3LibraryImage(readTextLines(*path));
    if (image.tooBig) {
        form.showError(LibraryTooBigText);
        LinkIdle = true;
        return;
    }
    const Bytes bytes = prg3LibraryBytes(image.words);
    form.verifiedWrite(group, slot, bytes.data(), static_cast<int>(bytes.size()));
}

} // namespace

void TForm1::Button6Click() {
    uploadPrg3Library(*this, Prg3LibraryGroup, Prg3LibrarySlot);
}
