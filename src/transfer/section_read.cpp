#include "transfer/section_read.h"

#include "link/link_idle.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

namespace {

std::optional<std::size_t> readSectionInto(TForm1& form, SectionAddress at, Bytes& buffer) {
    const int count =
        form.link().ReadNVMFile(at.group, at.slot, buffer.data(), static_cast<int>(buffer.size()));
    if (count < 0) {
        form.showError(CommandTexts::errorReadingSection(at.group, at.slot));
        return std::nullopt;
    }
    // A library that claims more than it could have placed must not make us read past the end.
    const auto n = static_cast<std::size_t>(count);
    return n < buffer.size() ? n : buffer.size();
}

} // namespace

std::optional<std::size_t> downloadSection(TForm1& form, SectionAddress at, Bytes& buffer,
                                           const CheckInGbpMode& check) {
    form.setStatusText(CommandTexts::DownloadingData);
    if (!form.enterGbpMode())
        return std::nullopt;
    const auto n = readSectionInto(form, at, buffer);
    const bool passed = n && (!check || check(*n));
    form.link().EndGBPMode();
    if (!passed)
        return std::nullopt;
    LinkIdle = true;
    return n;
}
