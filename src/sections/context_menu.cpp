#include "link/link_idle.h"
#include "sections/section_commands.h"
#include "sections/section_table.h"
#include "sections/slot_row.h"
#include "shell/main_form.h"

#include <QAction>
#include <QMenu>

void TForm1::DrawGrid1MouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    // While a command talks to the phone the menu stays closed, so no second command can start.
    if (button != Qt::RightButton || !LinkIdle)
        return;
    // The menu acts on the selected row, never on the row under the pointer.
    const int row = currentRow();
    if (!isSlotRow(row))
        return;
    const SectionCommands offered = commandsForEntry(SectionTable[static_cast<std::size_t>(row)]);
    RefreshAction->setEnabled(offered.refresh);
    UploadAction->setEnabled(offered.upload);
    ClearAction->setEnabled(offered.clear);
    DownloadAction->setEnabled(offered.download);
    PlayGIFAction->setEnabled(offered.playGif);
    ConvertAction->setEnabled(offered.convert);
    PopupMenu1->popup(globalPos);
}
