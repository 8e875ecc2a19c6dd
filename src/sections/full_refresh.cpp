#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "sections/slot_map.h"
#include "shell/main_form.h"

namespace {

constexpr const char* UpdatedText = "Updated!";
constexpr const char* UpdateDoneText = "Update done!";
constexpr const char* NoCaption = "";

// Probes the slots of one range in order, showing each row as soon as it is known. A failed
// probe has shown its error; the rest of this range is skipped, the next range still runs.
void refreshRange(TForm1& form, int group, int firstSlot, int slotCount) {
    for (int slot = firstSlot; slot < firstSlot + slotCount; ++slot) {
        if (form.probeSection(group, slot) < 0)
            return;
        form.repaintGrid();
    }
}

} // namespace

void TForm1::Button1Click() {
    // Also covers ranges without a slot, where no probe runs to set it.
    LinkIdleGuard idle;
    LinkIdle = false;
    if (!enterGbpMode())
        return;
    refreshRange(*this, BigGroup, FirstBig, BigSlots);
    refreshRange(*this, SmallGroup, FirstSmall, SmallSlots);
    repaintGrid();
    link_.EndGBPMode();
    setStatusText(UpdatedText);
    dialogs_.showMessage(UpdateDoneText, NoCaption);
}
