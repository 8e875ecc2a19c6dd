#include "transfer/ok_bottom_dlg.h"

#include "platform/form_fonts.h"
#include "platform/zav_error.h"
#include "shell/experts_form.h"
#include "shell/main_form.h"

#include <QComboBox>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

TOKBottomDlg* OKBottomDlg = nullptr;

namespace {

QLabel* makeCentredText(QWidget* parent, const char* text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* makeAnswer(TOKBottomDlg* dialog, const char* caption, int left, int result) {
    auto* button = new QPushButton(caption, dialog);
    button->setGeometry(left, 212, 75, 25);
    // As on the system's own dialogs, Enter answers with the button that has the focus.
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [dialog, result] { dialog->done(result); });
    return button;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
    OKBottomDlg = this;
    setWindowTitle("Dialog");
    setFont(formFont());
    setFixedSize(313, 244);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 193);

    StaticText3 = makeCentredText(this, "Please read this text!!!", {56, 16, 186, 28});
    QFont large = StaticText3->font();
    large.setPixelSize(19);
    StaticText3->setFont(large);
    // One line: at this size the heading fills its place exactly, and wrapping would push the
    // rest of it out of sight.
    StaticText3->setWordWrap(false);

    StaticText1 = makeCentredText(
        this,
        "You're trying to upload UFIF 2.0 version program! This is an older format and it may "
        "not work on some ZAV3 firmwares. Do you want to convert this program to UFIF 2.1 - "
        "compatible format?",
        {16, 48, 281, 57});
    StaticText2 = makeCentredText(
        this,
        "If you using ZAV3 MOD and want to convert this program select correct firmware and "
        "press \"Yes\" button. Press \"No\" if you still using ZAV2 MOD, or simply want to upload "
        "program \"as is\" without converting.",
        {16, 136, 281, 57});

    OKBtn = makeAnswer(this, "Yes", 47, ModalYes);
    Button1 = makeAnswer(this, "No", 127, ModalNo);
    CancelBtn = makeAnswer(this, "Cancel", 207, ModalCancel);
    OKBtn->setDefault(true);
}

void TOKBottomDlg::reject() {
    done(ModalCancel);
}

void TOKBottomDlg::FormShow() {
    QComboBox* box = ExpertsForm->FWComboBox;
    borrowedComboPlace_ = box->pos();
    box->setParent(this);
    box->move(StaticText1->x(), StaticText1->y() + StaticText1->height() + 2);
    box->show();
    box->raise();
    OKBtn->setFocus();
}

void TOKBottomDlg::FormHide() {
    QComboBox* box = ExpertsForm->FWComboBox;
    box->setParent(ExpertsForm);
    box->move(borrowedComboPlace_);
    box->show();
    // The firmware target picked here is kept, whatever the answer. A settings file that cannot
    // be written is reported, but does not cost the user the upload they have just answered.
    try {
        Form1->SaveSettings();
    } catch (const ZavError& error) {
        Form1->showError(error.what());
    }
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TOKBottomDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}
