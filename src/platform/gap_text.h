#pragma once

#include <QLabel>

// A one-line text with a gap of blanks in which another control sits, like "from 18-:  to: 18-"
// with an edit between the two parts. The text stays whole, but its second part is drawn from a
// fixed place, so that the control in the gap covers none of it whatever the face's widths.
class GapText : public QLabel {
public:
    GapText(const QString& text, int tailLeft, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int tailLeft_;
};
