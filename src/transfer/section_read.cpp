#include "transfer/section_read.h"

#include "shell/command_texts.h"
#include "shell/main_form.h"

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
