#include "link/link_idle.h"
#include "sections/selected_section.h"
#include "shell/main_form.h"

namespace {

constexpr const char* RefreshedText = "Refreshed!";

} // namespace

void TForm1::RefreshActionExecute() {
    // Without a slot row there is no section to refresh (and no entry to write).
    const auto at = selectedSection(*this);
    if (!at)
        return;
    LinkIdleGuard idle;
    LinkIdle = false;
    if (!enterGbpMode())
        return;
    // A failed probe has shown its error; the row then keeps what it showed.
    probeSection(at->group, at->slot);
    link_.EndGBPMode();
    repaintGrid();
    setStatusText(RefreshedText);
}
