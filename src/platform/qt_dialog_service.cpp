#include "platform/qt_dialog_service.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

const char* const ErrorCaption = "ERROR";
const char* const SuccessCaption = "OK!";
const char* const ConfirmCaption = "Confirm";

void QtDialogService::showMessage(const std::string& text, const std::string& caption) {
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // Application-modal: no second phone command may start while a command's box is open.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtDialogService::confirm(const std::string& question) {
    QMessageBox box;
    box.setWindowTitle(ConfirmCaption);
    box.setText(QString::fromStdString(question));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> QtDialogService::chooseFile(FileDialogId dialog) {
    const QString last = QString::fromStdString(lastChosen_[dialog]);
    const QString chosen = dialog == FileDialogId::SaveDialog1
                               ? QFileDialog::getSaveFileName(QApplication::activeWindow(), {}, last)
                               : QFileDialog::getOpenFileName(QApplication::activeWindow(), {}, last);
    if (chosen.isEmpty())
        return std::nullopt;
    lastChosen_[dialog] = chosen.toStdString();
    return lastChosen_[dialog];
}

int QtDialogService::execModal(QDialog& dialog) { return dialog.exec(); }
