#pragma once

#include <QDialog>

class DialogService;
class MaskEdit;
class QComboBox;
class QLabel;
class QPushButton;

// "Manager options": the slot ranges of the grid and the firmware target of the conversion.
class TExpertsForm : public QDialog {
    Q_OBJECT
public:
    TExpertsForm(DialogService& dialogs, QWidget* parent);

    QLabel* Label1 = nullptr;
    QComboBox* FWComboBox = nullptr;
    QLabel* StaticText1 = nullptr;
    MaskEdit* BSME1 = nullptr;
    MaskEdit* BSME2 = nullptr;
    QLabel* StaticText2 = nullptr;
    MaskEdit* SSME1 = nullptr;
    MaskEdit* SSME2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QPushButton* Button3 = nullptr; // "Default"
    QPushButton* Button1 = nullptr; // "OK"
    QPushButton* Button2 = nullptr; // "Cancel"

    void Button3Click();

    // OK closes the dialog only for ranges the grid can show.
    void accept() override;

    static const char* const LastSlotBelowFirstText;
    static const char* const TooManySlotsText;

private:
    DialogService& dialogs_;
};

extern TExpertsForm* ExpertsForm;

// The firmware targets offered for the conversion, in list order.
extern const char* const FirmwareTargets[7];
