#include "mod/pref_form.h"

#include "platform/form_fonts.h"
#include "platform/radio_group.h"
#include "shell/main_form.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TPrefForm* PrefForm = nullptr;

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* text, QRect place) {
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(place);
    return edit;
}

} // namespace

TPrefForm::TPrefForm(QWidget* parent) : QDialog(parent) {
    PrefForm = this;
    setWindowTitle("ZAV Mod Parameters");
    setFont(formFont());
    setFixedSize(253, 179);

    Label1 = new QLabel("UFIF2-Library section:", this);
    Label1->setGeometry(8, 12, 112, 13);
    sEdit = makeEdit(this, "02", {122, 8, 25, 21});
    ssEdit = makeEdit(this, "17", {150, 8, 25, 21});
    Label2 = new QLabel("(ZAV2 2b9 or higher)", this);
    Label2->setGeometry(8, 30, 160, 13);
    QFont small = Label2->font();
    small.setPixelSize(9);
    Label2->setFont(small);

    RG1 = new RadioGroup("Menu show mode", {"Only programs", "Progs and data", "Show all"}, this);
    RG1->setGeometry(8, 48, 118, 74);

    GroupBox1 = new QGroupBox("Autorun (ZAV3b3)", this);
    GroupBox1->setGeometry(134, 48, 111, 74);
    ACheckBox = new QCheckBox("Enabled", GroupBox1);
    ACheckBox->setGeometry(8, 18, 90, 17);
    Label3 = new QLabel("Program section:", GroupBox1);
    Label3->setGeometry(8, 36, 96, 13);
    AsEdit = makeEdit(GroupBox1, "18", {8, 50, 25, 19});
    AssEdit = makeEdit(GroupBox1, "09", {36, 50, 25, 19});

    Button1 = new QPushButton("Update", this);
    Button1->setGeometry(38, 140, 75, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton("Cancel", this);
    Button2->setGeometry(140, 140, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ACheckBox, &QCheckBox::toggled, this, &TPrefForm::ACheckBoxClick);

    ACheckBoxClick();
}

void TPrefForm::ACheckBoxClick() {
    AsEdit->setVisible(ACheckBox->isChecked());
    AssEdit->setVisible(ACheckBox->isChecked());
}

void TPrefForm::FormShow() { Form1->GetPrefAction->trigger(); }

void TPrefForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
