#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

#include <string>

namespace {

constexpr const char* CheckingData = "Checking data...";

std::string uploadedSize(int size) {
    return std::string(CommandTexts::UploadedSuccessfully) + " Size: " + std::to_string(size) +
           " bytes";
}

} // namespace

void TForm1::verifiedWrite(int group, int slot, const std::uint8_t* data, int length) {
    if (!enterGbpMode())
        return;
    // The write's own answer proves nothing; the size the phone reports afterwards does.
    link_.WriteNVMFile(group, slot, data, length);
    link_.EndGBPMode();
    CheckUploadedSize(group, slot, length);
    // The check's box has told the outcome; the command itself has ended either way.
    LinkIdle = true;
    setStatusText(CommandTexts::Uploaded);
}

int TForm1::CheckUploadedSize(int group, int slot, int expectedLength) {
    setStatusText(CheckingData);
    if (!enterGbpMode())
        return -1;
    const int size = link_.GetNVMFileSize(group, slot);
    link_.EndGBPMode();
    // An error code is never a length, so it always counts as a failed upload.
    if (size < 0 || size != expectedLength) {
        showError(CommandTexts::UploadedWithError);
        return -1;
    }
    dialogs().showMessage(uploadedSize(size), SuccessCaption);
    return size;
}
