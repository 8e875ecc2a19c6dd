#include "mod/pref_form.h"

#include "platform/form_fonts.h"
#include "platform/int_text.h"
#include "platform/radio_group.h"
#include "shell/main_form.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <cstddef>
#include <iterator>
#include <string>

TPrefForm* PrefForm = nullptr;

namespace {

// Wide enough for any value a record byte shows as, "-128" included.
constexpr int EditWidth = 30;

QLineEdit* makeEdit(QWidget* parent, const char* text, QRect place) {
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(place);
    return edit;
}

QString numberText(int value) {
    return QString::number(value);
}

std::int32_t editNumber(const QLineEdit* edit) {
    return parseIntText(edit->text().toStdString());
}

} // namespace

TPrefForm::TPrefForm(QWidget* parent) : QDialog(parent) {
    PrefForm = this;
    setWindowTitle("ZAV Mod Parameters");
    setFont(formFont());
    setFixedSize(253, 179);

    Label1 = new QLabel("UFIF2-Library section:", this);
    Label1->setGeometry(8, 12, 112, 13);
    sEdit = makeEdit(this, "02", {120, 8, EditWidth, 21});
    ssEdit = makeEdit(this, "17", {153, 8, EditWidth, 21});

    RG1 = new RadioGroup("Menu show mode", {"Only programs", "Progs and data", "Show all"}, this);
    RG1->setGeometry(8, 38, 118, 84);

    Button1 = new QPushButton("Update", this);
    Button1->setGeometry(38, 138, 75, 25);
    Button2 = new QPushButton("Cancel", this);
    Button2->setGeometry(140, 138, 75, 25);
    // Only a click on "Update" writes to the phone; Enter in an edit does not.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    Label2 = new QLabel("(ZAV2 2b9 or higher)", this);
    Label2->setGeometry(189, 7, 60, 24);
    Label2->setWordWrap(true);
    QFont small = Label2->font();
    small.setPixelSize(9);
    Label2->setFont(small);

    GroupBox1 = new QGroupBox("Autorun (ZAV3b3)", this);
    GroupBox1->setGeometry(134, 38, 111, 84);
    ACheckBox = new QCheckBox("Enabled", GroupBox1);
    ACheckBox->setGeometry(8, 20, 90, 17);
    Label3 = new QLabel("Program section:", GroupBox1);
    Label3->setGeometry(8, 40, 96, 13);
    AsEdit = makeEdit(GroupBox1, "18", {8, 56, EditWidth, 19});
    AssEdit = makeEdit(GroupBox1, "09", {41, 56, EditWidth, 19});

    // Top to bottom, left to right, group before slot; the buttons last.
    QWidget* const chain[] = {sEdit,     ssEdit, RG1->item(0), RG1->item(1), RG1->item(2),
                              ACheckBox, AsEdit, AssEdit,      Button1,      Button2};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ACheckBox, &QCheckBox::toggled, this, &TPrefForm::ACheckBoxClick);

    ACheckBoxClick();
}

void TPrefForm::ACheckBoxClick() {
    AsEdit->setVisible(ACheckBox->isChecked());
    AssEdit->setVisible(ACheckBox->isChecked());
}

void TPrefForm::FormShow() {
    Form1->GetPrefAction->trigger();
}

void TPrefForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPrefForm::showPreferences(const PreferencesView& view) {
    if (view.autorunOn) {
        AsEdit->setVisible(true);
        AssEdit->setVisible(true);
        AsEdit->setText(numberText(view.autorunGroup));
        AssEdit->setText(numberText(view.autorunSlot));
        ACheckBox->setChecked(true);
    } else {
        AsEdit->setVisible(false);
        AssEdit->setVisible(false);
        ACheckBox->setChecked(false);
    }
    lastReadMenuByte_ = view.menuByte;
    if (view.menuItem)
        RG1->setItemIndex(*view.menuItem);
    sEdit->setText(numberText(view.libraryGroup));
    ssEdit->setText(numberText(view.librarySlot));
}

PreferencesInput TPrefForm::preferencesInput() const {
    PreferencesInput input;
    const int item = RG1->itemIndex();
    if (item >= 0)
        input.menuItem = item;
    input.fallbackMenuByte = lastReadMenuByte_;
    input.libraryGroup = editNumber(sEdit);
    input.librarySlot = editNumber(ssEdit);
    input.autorunOn = ACheckBox->isChecked();
    if (input.autorunOn) {
        input.autorunGroup = editNumber(AsEdit);
        input.autorunSlot = editNumber(AssEdit);
    }
    return input;
}
