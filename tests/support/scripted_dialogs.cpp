#include "scripted_dialogs.h"

#include <QDialog>

void ScriptedDialogs::showMessage(const std::string& text, const std::string& caption) {
    messages.push_back({text, caption});
    if (onMessage)
        onMessage(messages.back());
}

bool ScriptedDialogs::confirm(const std::string& question) {
    questions.push_back(question);
    if (confirmAnswers.empty())
        return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::chooseFile(FileDialogId dialog) {
    fileDialogsShown.push_back(dialog);
    if (fileAnswers.empty())
        return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

int ScriptedDialogs::execModal(QDialog& dialog) {
    modalTitles.push_back(dialog.windowTitle().toStdString());
    std::function<int(QDialog&)> script;
    if (!modalScripts.empty()) {
        script = std::move(modalScripts.front());
        modalScripts.pop_front();
    }
    dialog.show();
    const int result = script ? script(dialog) : QDialog::Rejected;
    dialog.hide();
    return result;
}
