#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "sections/selected_section.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"
#include "transfer/section_read.h"
#include "transfer/transfer_sizes.h"

// Copies the selected section into a file the user names. A section longer than the buffer is
// saved cut at the buffer's size: the link never hands over more than the buffer holds.
void TForm1::DownloadActionExecute() {
    const auto at = selectedSection(*this);
    if (!at)
        return;
    LinkIdleGuard idleAgain;
    LinkIdle = false;
    Bytes buffer(DownloadBufferSize);
    const auto n = downloadSection(*this, *at, buffer);
    if (!n)
        return;
    // The phone is free again before the user takes their time over the file name.
    if (const auto path = dialogs_.chooseFile(FileDialogId::SaveDialog1))
        writeFileBytes(*path, buffer.data(), *n);
    setStatusText(CommandTexts::Downloaded);
}
