#pragma once

#include "shell/main_form.h"

#include <memory>
#include <string>

class DialogService;

// Creates the main window (which binds the link library) and then the four other windows,
// hidden, in start-up order. Without the link library only its error box has been shown and
// nothing is returned: the program then ends without showing a window or touching the settings.
std::unique_ptr<TForm1> createManagerWindows(DialogService& dialogs, TForm1::LinkBinder bindLink,
                                             const std::string& settingsPath);
