#pragma once

#include <QGroupBox>

#include <vector>

class QRadioButton;

// A captioned group of radio buttons of which one or none is chosen.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    // The chosen item, or -1 when none is.
    int itemIndex() const;
    void setItemIndex(int index);

    QRadioButton* item(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<QRadioButton*> buttons_;
};
