#include "platform/mask_edit.h"

#include "platform/dialog_service.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

const char* const MaskEdit::InvalidInputText =
    "Invalid input value. Use escape key to abandon changes";

MaskEdit::MaskEdit(DialogService& dialogs, QWidget* parent)
    : QLineEdit(parent), dialogs_(dialogs) {
    setInputMask("99;_");
    setFrame(true);
}

void MaskEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back after a refusal, the change is still pending: keep what it started from.
    if (!isModified())
        textBeforeChange_ = text();
}

void MaskEdit::keyPressEvent(QKeyEvent* event) {
    // Escape abandons a change and stays in the edit; an unchanged edit passes it on, so that
    // it still cancels the dialog.
    if (event->key() == Qt::Key_Escape && isModified()) {
        setText(textBeforeChange_);
        setModified(false);
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MaskEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box of our own also takes the focus; ignore the focus-out it causes.
    if (refusing_ || !isModified() || hasAcceptableInput() || !isVisible())
        return;
    refusing_ = true;
    dialogs_.showMessage(InvalidInputText, ErrorCaption);
    setFocus(Qt::OtherFocusReason);
    selectAll();
    refusing_ = false;
}
