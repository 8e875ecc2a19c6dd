#include "shell/about_box.h"

#include "platform/form_fonts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    AboutBox = this;
    setWindowTitle("About");
    setFont(formFont());
    setFixedSize(298, 213);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 8, 281, 161);

    ProductName = new QLabel("ZAV3 Manager 1.7", panel);
    ProductName->move(8, 16);
    ProductName->adjustSize();

    Version = new QLabel("Simple application for view and modify NVM sections used by poplular "
                         "ZAV-series firmware MOD for Sony Jxx phones.",
                         panel);
    Version->setGeometry(8, 40, 248, 39);
    Version->setWordWrap(true);
    Version->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Copyright = new QLabel("Written by the ZAV3 Manager developers.", panel);
    Copyright->move(8, 96);
    Copyright->adjustSize();

    Comments = new QLabel("Phone link library by the authors of the GBP link library.", panel);
    Comments->setGeometry(8, 120, 192, 26);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton("OK", this);
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
