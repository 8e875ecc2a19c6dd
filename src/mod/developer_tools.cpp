#include "link/link_idle.h"
#include "mod/symbol_list_merge.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "shell/command_texts.h"
#include "shell/main_form.h"

#include <cstddef>

// Tools for preparing library sections; their buttons are never shown to users.

namespace {

// The scratch section the raw upload and the erase work on.
constexpr int ScratchGroup = 17;
constexpr int ScratchSlot = 19;

// A longer file is cut to this without a word: the tool is for trying things out.
constexpr std::size_t RawUploadLimit = 65536;

} // namespace

void TForm1::Button8Click() {
    const auto path = dialogs().chooseFile(FileDialogId::OpenDialog2);
    if (!path)
        return;
    // Both lists are read before anything is written, so a missing one leaves no output.
    const auto reference = readTextLines(ReferenceSymbolListName);
    const auto source = readTextLines(*path);
    writeTextLinesCrlf(mergedListPath(*path), mergeSymbolLists(reference, source));
}

void TForm1::Button9Click() {
    const auto path = dialogs().chooseFile(FileDialogId::OpenDialog1);
    if (!path)
        return;
    LinkIdle = false;
    setStatusText(CommandTexts::UploadingData);
    const Bytes bytes = readFilePrefix(*path, RawUploadLimit).bytes;
    verifiedWrite(ScratchGroup, ScratchSlot, bytes.data(), static_cast<int>(bytes.size()));
}

void TForm1::ButtonCli() {
    // Straight to the link: the erase needs no GBP mode, and its answer is not looked at.
    link_.ClearNVMFile(ScratchGroup, ScratchSlot);
    setStatusText(CommandTexts::Erased);
}
