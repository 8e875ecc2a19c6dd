#pragma once

#include <QLineEdit>

class DialogService;

// An edit that takes exactly two decimal digits ("_" marks an empty position). Once the user has
// changed it, it refuses to lose the focus while a digit is missing and says why.
class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    MaskEdit(DialogService& dialogs, QWidget* parent);

    // The text shown for an incomplete entry when the focus tries to leave.
    static const char* const InvalidInputText;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    DialogService& dialogs_;
    bool refusing_ = false;
};
