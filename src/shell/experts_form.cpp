#include "shell/experts_form.h"

#include "platform/dialog_service.h"
#include "platform/form_fonts.h"
#include "platform/gap_text.h"
#include "platform/typed_combo.h"
#include "platform/int_text.h"
#include "platform/mask_edit.h"
#include "platform/zav_error.h"
#include "sections/section_table.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TExpertsForm* ExpertsForm = nullptr;

const char* const FirmwareTargets[7] = {
    "0x370000 - J7/70 3.10/4", "0x36A658 - J7/70 3.10/5", "0x36A658 - J7/70 3.6/5",
    "0x36A658 - J5/6 5.4.2/1", "0x37BDD8 - J5/6 5.4.2/4", "0x36A658 - J5/6 5.4.2/5",
    "0x37BDD8 - Z7 4.5.6/4"};

const char* const TExpertsForm::LastSlotBelowFirstText =
    "The last slot of a range can't be below its first slot!";
const char* const TExpertsForm::TooManySlotsText =
    "Too many slots! Big and small slots together can't be more than 99.";

namespace {

QLabel* makeStaticText(QWidget* parent, const char* text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

// A range's text, its second part drawn just right of the edit in its gap.
QLabel* makeRangeText(QWidget* parent, const char* text, QRect place, const QWidget* gapEdit) {
    constexpr int SpaceAfterEdit = 3;
    const int tailLeft = gapEdit->geometry().right() + 1 + SpaceAfterEdit - place.left();
    auto* label = new GapText(text, tailLeft, parent);
    label->setGeometry(place);
    QFont font = formFont();
    font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->lower(); // under the edits, should a face run wider still
    return label;
}

MaskEdit* makeSlotEdit(DialogService& dialogs, QWidget* parent, QRect place) {
    auto* edit = new MaskEdit(dialogs, parent);
    edit->setGeometry(place);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, 160, 75, 25);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TExpertsForm::TExpertsForm(DialogService& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    ExpertsForm = this;
    setWindowTitle("Manager options");
    setFont(formFont());
    setFixedSize(257, 220);

    Label1 = makeStaticText(this, "Address and FW version for UFIF2.1 conversion:", {8, 11, 240, 13});
    FWComboBox = new QComboBox(this);
    FWComboBox->setEditable(true);
    for (const char* target : FirmwareTargets)
        FWComboBox->addItem(target);
    FWComboBox->setGeometry(8, 24, 233, 21);
    FWComboBox->setCurrentIndex(-1);
    selectItemOfTypedText(*FWComboBox);
    FWComboBox->setEditText(FirmwareTargets[0]);

    // The edits sit in the gaps of the texts, so each line reads as a range: the part after a
    // gap starts just right of the edit in it. A pixel below the dialog's size, each part ends
    // before the edit that follows it.
    BSME1 = makeSlotEdit(dialogs, this, {96, 56, 22, 21});
    BSME2 = makeSlotEdit(dialogs, this, {153, 56, 24, 21});
    SSME1 = makeSlotEdit(dialogs, this, {106, 80, 24, 21});
    SSME2 = makeSlotEdit(dialogs, this, {163, 80, 23, 21});
    StaticText1 = makeRangeText(this, "Big slots from 18-:        to: 18- ", {15, 59, 144, 17}, BSME1);
    StaticText2 =
        makeRangeText(this, "Small slots from 02-         to: 02- ", {15, 83, 154, 17}, SSME1);
    StaticText3 = makeStaticText(this,
                                 "Be careful changing this values! ZAV3 mod uses only "
                                 "18-09...18-29 and 02-10...02-14 slots for programs!",
                                 {16, 104, 209, 41});
    StaticText3->setWordWrap(true);
    StaticText3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button3 = makeButton(this, "Default", 8);
    Button1 = makeButton(this, "OK", 88);
    Button2 = makeButton(this, "Cancel", 168);
    // No default button: Enter in a slot edit must not close the dialog past the edit's own
    // check of its two digits.
    connect(Button3, &QPushButton::clicked, this, &TExpertsForm::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TExpertsForm::accept);
    connect(Button2, &QPushButton::clicked, this, &TExpertsForm::reject);
}

void TExpertsForm::Button3Click() {
    BSME1->setText("09");
    BSME2->setText("29");
    SSME1->setText("10");
    SSME2->setText("14");
}

SlotRanges TExpertsForm::editedRanges() const {
    const auto value = [](const MaskEdit* edit) {
        return parseIntText(edit->text().toStdString());
    };
    SlotRanges ranges;
    ranges.firstBig = value(BSME1);
    ranges.bigSlots = value(BSME2) - ranges.firstBig + 1;
    ranges.firstSmall = value(SSME1);
    ranges.smallSlots = value(SSME2) - ranges.firstSmall + 1;
    return ranges;
}

void TExpertsForm::accept() {
    try {
        const SlotRanges ranges = editedRanges();
        if (ranges.bigSlots < 1 || ranges.smallSlots < 1) {
            dialogs_.showMessage(LastSlotBelowFirstText, ErrorCaption);
            return;
        }
        if (ranges.bigSlots + ranges.smallSlots > MaxSlotRows) {
            dialogs_.showMessage(TooManySlotsText, ErrorCaption);
            return;
        }
    } catch (const ZavError& error) {
        dialogs_.showMessage(error.what(), ErrorCaption);
        return;
    }
    QDialog::accept();
}
