#include "sections/selected_section.h"

#include "sections/slot_row.h"
#include "shell/main_form.h"

std::optional<SectionAddress> selectedSection(const TForm1& form) {
    const int row = form.currentRow();
    if (!isSlotRow(row))
        return std::nullopt;
    return addressForRow(row);
}
