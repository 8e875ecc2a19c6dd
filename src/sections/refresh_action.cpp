#include "link/link_idle.h"
#include "sections/slot_map.h"
#include "sections/slot_row.h"
#include "shell/main_form.h"

namespace {

constexpr const char* RefreshedText = "Refreshed!";

} // namespace

void TForm1::RefreshActionExecute() {
    // Without a slot row there is no section to refresh (and no entry to write).
    const int row = currentRow();
    if (!isSlotRow(row))
        return;
    LinkIdleGuard idle;
    LinkIdle = false;
    const SectionAddress address = addressForRow(row);
    if (!enterGbpMode())
        return;
    // A failed probe has shown its error; the row then keeps what it showed.
    probeSection(address.group, address.slot);
    link_.EndGBPMode();
    repaintGrid();
    setStatusText(RefreshedText);
}
