#include "platform/dialog_service.h"
#include "sections/slot_map.h"
#include "shell/main_form.h"

#include <cstdint>
#include <string>

namespace {

// The mod's programs live in the first 32 slots of group 18, whatever the grid shows.
constexpr int SummedSlots = 32;

} // namespace

// A developer's tool: how much of the phone's memory the group-18 sections take. It leaves
// LinkIdle as it was, except that a failed entry into GBP mode sets it like every command.
void TForm1::Button4Click() {
    if (!enterGbpMode())
        return;
    // 32 sizes of up to 2^31 - 1 each do not fit in 32 bits.
    std::int64_t total = 0;
    for (int slot = 0; slot < SummedSlots; ++slot) {
        const int size = link_.GetNVMFileSize(BigGroup, slot);
        if (size > 0)
            total += size;
    }
    link_.EndGBPMode();
    dialogs_.showMessage("Total Section 18xx size = " + std::to_string(total), "");
}
