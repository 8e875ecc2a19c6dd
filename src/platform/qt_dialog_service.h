#pragma once

#include "platform/dialog_service.h"

#include <map>

class QWidget;

// The real dialogs, shown with Qt.
class QtDialogService : public DialogService {
public:
    void showMessage(const std::string& text, const std::string& caption) override;
    bool confirm(const std::string& question) override;
    std::optional<std::string> chooseFile(FileDialogId dialog) override;
    int execModal(QDialog& dialog) override;

private:
    std::map<FileDialogId, std::string> lastChosen_;
};
