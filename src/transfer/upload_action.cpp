#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "sections/selected_section.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"
#include "transfer/ok_bottom_dlg.h"
#include "transfer/section_upload.h"
#include "transfer/transfer_sizes.h"
#include "transfer/ufif_conversion.h"

#include <algorithm>

namespace {

constexpr const char* FileTooBigText = "Can't uplod - file too big!";

std::uint64_t fileLimitForRow(int row) {
    return isSmallSlotRow(row) ? SmallSlotFileLimit : BigSlotFileLimit;
}

} // namespace

// Sends a file into the selected section. A UFIF 2.0 program is first offered conversion for
// the firmware the user picks in the prompt.
void TForm1::UploadActionExecute() {
    const auto path = dialogs_.chooseFile(FileDialogId::OpenDialog1);
    if (!path)
        return;
    LinkIdleGuard idleAgain;
    LinkIdle = false;
    setStatusText(CommandTexts::UploadingData);

    const FilePrefix file = readFilePrefix(*path, UploadBufferSize);
    Bytes buffer(UploadBufferSize);
    std::copy(file.bytes.begin(), file.bytes.end(), buffer.begin());
    const std::size_t n = file.bytes.size();

    if (const auto headerOffset = isUfif20Image(buffer.data(), n)) {
        const int answer = dialogs_.execModal(*OKBottomDlg);
        if (answer == TOKBottomDlg::ModalYes)
            convertToUfif21(buffer, n, *headerOffset);
        else if (answer != TOKBottomDlg::ModalNo)
            return;
    }

    const auto at = selectedSection(*this);
    if (!at)
        return;
    // The whole file's length counts, so a long file is refused, never sent cut short.
    if (file.fileLength > fileLimitForRow(currentRow())) {
        showError(FileTooBigText);
        return;
    }
    const auto probed = writeAndProbe(*this, *at, buffer, n);
    if (!probed)
        return;
    reportUpload(*this, *probed, n, CommandTexts::UploadedWithError);
}
