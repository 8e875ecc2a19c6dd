#pragma once

#include <optional>
#include <string>

class QDialog;

// The file dialogs of the main window; each keeps the name chosen last.
enum class FileDialogId { OpenDialog1, OpenDialog2, SaveDialog1 };

// Everything that asks the user something or tells them something goes through here, so that
// tests can script the answers and record what was shown.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A plain message box: one OK button, no icon, the given caption, application-modal.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;

    // The confirmation dialog (caption "Confirm", OK and Cancel); true for OK.
    virtual bool confirm(const std::string& question) = 0;

    // An open or save dialog; the chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFile(FileDialogId dialog) = 0;

    // Shows a modal dialog and returns its result code (QDialog::exec in the real program).
    virtual int execModal(QDialog& dialog) = 0;
};

extern const char* const ErrorCaption;   // "ERROR"
extern const char* const SuccessCaption; // "OK!"
extern const char* const ConfirmCaption; // "Confirm"
