#pragma once

#include <QLineEdit>

class DialogService;

// An edit that takes exactly two decimal digits ("_" marks an empty position). Once the user has
// changed it, it refuses to lose the focus while a digit is missing and says why; Escape then
// brings back the text it had before the change.
class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    MaskEdit(DialogService& dialogs, QWidget* parent);

    // The text shown for an incomplete entry when the focus tries to leave.
    static const char* const InvalidInputText;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DialogService& dialogs_;
    bool refusing_ = false;
    QString textBeforeChange_;
};
