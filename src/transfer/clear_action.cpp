#include "link/link_idle.h"
#include "sections/selected_section.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

// Erases the selected section. No confirmation: the context menu is the confirmation, and
// Convert runs this as one of its steps.
void TForm1::ClearActionExecute() {
    const auto at = selectedSection(*this);
    if (!at)
        return;
    LinkIdleGuard idleAgain;
    LinkIdle = false;
    setStatusText(CommandTexts::ErasingSection);
    if (!enterGbpMode())
        return;
    // The erase's own answer says little; the probe tells what the phone now holds.
    link_.ClearNVMFile(at->group, at->slot);
    probeSection(at->group, at->slot);
    link_.EndGBPMode();
    setStatusText(CommandTexts::Erased);
    repaintGrid();
}
