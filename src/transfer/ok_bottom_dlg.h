#pragma once

#include <QDialog>
#include <QPoint>

class QFrame;
class QLabel;
class QPushButton;

// The prompt shown before a UFIF 2.0 program is uploaded: convert it (Yes), send it as it is
// (No), or send nothing (Cancel). While it is open it borrows the options dialog's firmware box.
class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget* parent);

    // The prompt's answers.
    static constexpr int ModalYes = 6;
    static constexpr int ModalNo = 7;
    static constexpr int ModalCancel = 2;

    QFrame* Bevel1 = nullptr;
    QLabel* StaticText3 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QPushButton* OKBtn = nullptr;     // "Yes"
    QPushButton* Button1 = nullptr;   // "No"
    QPushButton* CancelBtn = nullptr; // "Cancel"

    void FormShow();
    void FormHide();

    // Esc and the close box answer Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPoint borrowedComboPlace_;
};

extern TOKBottomDlg* OKBottomDlg;
