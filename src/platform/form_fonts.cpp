#include "platform/form_fonts.h"

QFont formFont() {
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

QFont gridFont() {
    QFont font("Arial");
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}
