#include "platform/gap_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

struct TextParts {
    QString head;
    QString tail;
};

// The gap is the first run of two or more blanks; a text without one is all head.
TextParts splitAtGap(const QString& text) {
    const qsizetype gapStart = text.indexOf(QStringLiteral("  "));
    if (gapStart < 0)
        return {text, {}};
    qsizetype tailStart = gapStart;
    while (tailStart < text.size() && text[tailStart] == u' ')
        ++tailStart;
    return {text.left(gapStart), text.mid(tailStart)};
}

} // namespace

GapText::GapText(const QString& text, int tailLeft, QWidget* parent)
    : QLabel(text, parent), tailLeft_(tailLeft) {}

void GapText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const TextParts parts = splitAtGap(text());
    const QFontMetrics metrics(font());
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(0, baseline, parts.head);
    painter.drawText(tailLeft_, baseline, parts.tail);
}
