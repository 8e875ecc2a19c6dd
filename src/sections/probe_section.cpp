#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "sections/section_classification.h"
#include "sections/section_table.h"
#include "sections/slot_row.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

#include <QCheckBox>

#include <array>

int TForm1::probeSection(int group, int slot) {
    SectionEntry& entry = SectionTable[static_cast<std::size_t>(rowShowing(group, slot))];
    setStatusText("Refreshing section " + CommandTexts::sectionAddress(group, slot) + "...");

    const int size = link_.GetNVMFileSize(group, slot);
    if (size < 0 && !sizeMeansEmpty(size)) {
        dialogs_.showMessage(CommandTexts::errorGettingSectionSize(group, slot), ErrorCaption);
        LinkIdle = true;
        return size;
    }
    if (size <= 0) {
        entry.kind = SectionKind::Empty;
        entry.caption = "< Empty >";
        entry.size = 0;
        LinkIdle = true;
        return 0;
    }
    if (!CheckBox1->isChecked()) {
        entry.size = size;
        entry.kind = SectionKind::Program;
        entry.formatWord = 0;
        entry.caption.clear();
        LinkIdle = true;
        return size;
    }

    // Zeroed first, so bytes beyond a short read never carry another section's header.
    std::array<std::uint8_t, SectionHeaderSize> header{};
    const int read = link_.ReadNVMFile(group, slot, header.data(), SectionHeaderSize);
    if (read < 0) {
        dialogs_.showMessage(CommandTexts::errorReadingSection(group, slot), ErrorCaption);
        LinkIdle = true;
        return read;
    }
    const SectionClassification found = classifySectionHeader(header, read);
    entry.size = size;
    entry.kind = found.kind;
    entry.caption = found.caption;
    if (found.formatWord)
        entry.formatWord = *found.formatWord;
    LinkIdle = true;
    return size;
}
