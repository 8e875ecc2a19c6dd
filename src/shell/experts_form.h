#pragma once

#include <QDialog>

#include <cstdint>

class DialogService;
class MaskEdit;
class QComboBox;
class QLabel;
class QPushButton;

// The slot ranges as the options dialog's four edits give them.
struct SlotRanges {
    std::int32_t firstBig = 0;
    std::int32_t bigSlots = 0;
    std::int32_t firstSmall = 0;
    std::int32_t smallSlots = 0;
};

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

    // The edits read as numbers (first and last big slot, then first and last small slot);
    // raises "'<text>' is not a valid integer value" at the first edit that holds no number.
    SlotRanges editedRanges() const;

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
