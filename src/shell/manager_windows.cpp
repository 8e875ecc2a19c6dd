#include "shell/manager_windows.h"

#include "mod/pref_form.h"
#include "shell/about_box.h"
#include "shell/experts_form.h"
#include "transfer/ok_bottom_dlg.h"

std::unique_ptr<TForm1> createManagerWindows(DialogService& dialogs, TForm1::LinkBinder bindLink,
                                             const std::string& settingsPath) {
    auto form = std::make_unique<TForm1>(dialogs, std::move(bindLink), settingsPath);
    if (!form->linkBound())
        return nullptr;
    // Owned by the main window, so they go when it goes.
    new TAboutBox(form.get());
    new TPrefForm(form.get());
    new TExpertsForm(dialogs, form.get());
    new TOKBottomDlg(form.get());
    return form;
}
