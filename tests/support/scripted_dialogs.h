#pragma once

#include "platform/dialog_service.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ShownMessage {
    std::string text;
    std::string caption;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// A dialog service for tests: records every message box, and answers file dialogs,
// confirmations and modal dialogs from queues filled by the test.
class ScriptedDialogs : public DialogService {
public:
    void showMessage(const std::string& text, const std::string& caption) override;
    bool confirm(const std::string& question) override;
    std::optional<std::string> chooseFile(FileDialogId dialog) override;
    int execModal(QDialog& dialog) override;

    std::vector<ShownMessage> messages;
    // Runs as each message box is shown (to look at the program's state at that moment).
    std::function<void(const ShownMessage&)> onMessage;

    // One answer per file dialog, first one first; an empty queue or nullopt cancels.
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<FileDialogId> fileDialogsShown;

    // One answer per confirmation; an empty queue answers Cancel.
    std::deque<bool> confirmAnswers;
    std::vector<std::string> questions;

    // One script per modal dialog: it runs while the dialog is shown, may change its controls,
    // and returns the dialog's result. An empty queue closes the dialog with Rejected.
    std::deque<std::function<int(QDialog&)>> modalScripts;
    std::vector<std::string> modalTitles;
};
