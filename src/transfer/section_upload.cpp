#include "transfer/section_upload.h"

#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

std::optional<int> writeAndProbe(TForm1& form, SectionAddress at, const Bytes& buffer,
                                 std::size_t n) {
    const std::size_t length = n < buffer.size() ? n : buffer.size();
    if (!form.enterGbpMode())
        return std::nullopt;
    form.link().WriteNVMFile(at.group, at.slot, buffer.data(), static_cast<int>(length));
    form.link().EndGBPMode();

    if (!form.enterGbpMode())
        return std::nullopt;
    const int probed = form.probeSection(at.group, at.slot);
    form.link().EndGBPMode();
    form.repaintGrid();
    LinkIdle = true;
    return probed;
}

void reportUpload(TForm1& form, int probed, std::size_t n, const std::string& errorText) {
    if (probed >= 0 && static_cast<std::size_t>(probed) == n) {
        form.dialogs().showMessage(CommandTexts::UploadedSuccessfully, SuccessCaption);
        form.setStatusText(CommandTexts::Uploaded);
    } else {
        form.dialogs().showMessage(errorText, ErrorCaption);
        form.setStatusText(CommandTexts::UploadError);
    }
}
