#include "platform/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, this);
        buttons_.push_back(button);
        layout->addWidget(button);
    }
}

int RadioGroup::itemIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

void RadioGroup::setItemIndex(int index) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        // Auto-exclusive buttons refuse to be unticked one by one; lift that for the change.
        buttons_[i]->setAutoExclusive(false);
        buttons_[i]->setChecked(static_cast<int>(i) == index);
        buttons_[i]->setAutoExclusive(true);
    }
}
