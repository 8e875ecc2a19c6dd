#include "link/link_idle.h"
#include "platform/file_io.h"
#include "sections/selected_section.h"
#include "shell/command_texts.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"
#include "transfer/section_read.h"
#include "transfer/section_upload.h"
#include "transfer/transfer_sizes.h"
#include "transfer/ufif_conversion.h"

#include <QAction>
#include <QComboBox>

#include <algorithm>
#include <string>

namespace {

// Relative on purpose: the copy lands in the current folder and is replaced each time. While
// the section is erased it is the only copy of the program.
constexpr const char* ScratchProgramName = "temp.prg";

constexpr const char* SectionTooBigText = "Section is too big to convert!";

std::string convertUploadErrorText() {
    return std::string(CommandTexts::UploadedWithError) + ".\nConverted program stored at " +
           ScratchProgramName + " file!!!";
}

// Convert erases the section and writes back what it read: a section longer than that would
// come back cut short, so it is refused while nothing has changed yet.
bool fitsConvertBuffer(TForm1& form, SectionAddress at, std::size_t n) {
    int size = form.link().GetNVMFileSize(at.group, at.slot);
    if (sizeMeansEmpty(size))
        size = 0;
    if (size < 0) {
        form.showError(CommandTexts::errorGettingSectionSize(at.group, at.slot));
        return false;
    }
    if (static_cast<std::size_t>(size) > n) {
        form.showError(SectionTooBigText);
        return false;
    }
    return true;
}

} // namespace

void TForm1::convertToUfif21(Bytes& image, std::size_t n, std::size_t headerOffset) {
    setStatusText("Converting data...");
    const FirmwareTarget target =
        parseFirmwareTarget(ExpertsForm->FWComboBox->currentText().toStdString());
    ::convertToUfif21(image.data(), std::min(n, image.size()), headerOffset, target);
    setStatusText("Convert done!");
}

// Converts a UFIF 2.0 program inside the phone: read it, convert it, keep a copy in the scratch
// file, erase the section, write it back and check it.
void TForm1::ConvertActionExecute() {
    const auto at = selectedSection(*this);
    if (!at)
        return;
    LinkIdleGuard idleAgain;
    LinkIdle = false;
    Bytes buffer(ConvertBufferSize);
    const auto n = downloadSection(*this, *at, buffer, [this, at](std::size_t read) {
        return fitsConvertBuffer(*this, *at, read);
    });
    if (!n)
        return;
    setStatusText(CommandTexts::Downloaded);

    if (const auto headerOffset = isUfif20Image(buffer.data(), *n))
        convertToUfif21(buffer, *n, *headerOffset);
    writeFileBytes(ScratchProgramName, buffer.data(), *n);

    // The erase runs as its own command, with its own GBP mode period and texts.
    ClearAction->trigger();

    LinkIdle = false;
    setStatusText(CommandTexts::UploadingData);
    const auto probed = writeAndProbe(*this, *at, buffer, *n);
    if (!probed)
        return;
    reportUpload(*this, *probed, *n, convertUploadErrorText());
}
