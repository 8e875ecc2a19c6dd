#include "transfer/selected_section.h"

#include "shell/main_form.h"

std::optional<SectionAddress> selectedSection(const TForm1& form) {
    const int row = form.currentRow();
    if (row < 1 || row >= gridRowCount())
        return std::nullopt;
    return addressForRow(row);
}
