#include "platform/typed_combo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

void selectItemOfTypedText(QComboBox& box) {
    box.setInsertPolicy(QComboBox::NoInsert);
    QComboBox* const target = &box;
    QObject::connect(box.lineEdit(), &QLineEdit::textEdited, target, [target](const QString& text) {
        QLineEdit* const edit = target->lineEdit();
        const int cursor = edit->cursorPosition();
        const QSignalBlocker quiet(target);
        target->setCurrentIndex(target->findText(text, Qt::MatchFixedString));
        // Selecting (or deselecting) replaces the edit's text; the user's typing stays.
        edit->setText(text);
        edit->setCursorPosition(cursor);
    });
}
