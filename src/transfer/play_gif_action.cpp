#include "link/link_idle.h"
#include "sections/selected_section.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"
#include "transfer/picture_viewer.h"
#include "transfer/section_read.h"
#include "transfer/transfer_sizes.h"

namespace {

// Relative on purpose: the picture lands in the current folder and is replaced each time.
constexpr const char* ScratchGifName = "temp.gif";

} // namespace

void TForm1::PlayGIFActionExecute() {
    const auto at = selectedSection(*this);
    if (!at)
        return;
    LinkIdleGuard idleAgain;
    LinkIdle = false;
    Bytes buffer(PlayGifBufferSize);
    const auto n = downloadSection(*this, *at, buffer);
    if (!n)
        return;
    setStatusText(CommandTexts::Downloaded);
    writeFileBytes(ScratchGifName, buffer.data(), *n);
    showPicture(ScratchGifName);
}
