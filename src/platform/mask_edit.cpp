#include "platform/mask_edit.h"

#include "platform/dialog_service.h"

#include <QFocusEvent>
#include <QTimer>

const char* const MaskEdit::InvalidInputText =
    "Invalid input value. Use escape key to abandon changes";

MaskEdit::MaskEdit(DialogService& dialogs, QWidget* parent)
    : QLineEdit(parent), dialogs_(dialogs) {
    setInputMask("99;_");
    setFrame(true);
}

void MaskEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box of our own also takes the focus; ignore the focus-out it causes.
    if (refusing_ || !isModified() || hasAcceptableInput() || !isVisible())
        return;
    refusing_ = true;
    dialogs_.showMessage(InvalidInputText, "ERROR");
    setFocus(Qt::OtherFocusReason);
    selectAll();
    refusing_ = false;
}
