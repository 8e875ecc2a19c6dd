#pragma once

#include "mod/preferences_record.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

// "ZAV Mod Parameters": the mod's preferences record, read from the phone each time the dialog
// opens and written back by "Update".
class TPrefForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrefForm(QWidget* parent);

    QLabel* Label1 = nullptr;
    QLineEdit* sEdit = nullptr;     // UFIF2-library section, group
    QLineEdit* ssEdit = nullptr;    // UFIF2-library section, slot
    RadioGroup* RG1 = nullptr;      // menu show mode
    QPushButton* Button1 = nullptr; // "Update"
    QPushButton* Button2 = nullptr; // "Cancel"
    QLabel* Label2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* ACheckBox = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* AssEdit = nullptr; // autorun section, slot
    QLineEdit* AsEdit = nullptr;  // autorun section, group

    void FormShow();
    void ACheckBoxClick();

    // Puts a record read from the phone into the controls. What the record leaves open (the
    // autorun section when autorun is off, an unknown menu mode) keeps what the controls held.
    void showPreferences(const PreferencesView& view);

    // The controls as numbers, read group before slot: UFIF2-library section, then the autorun
    // section when it is ticked. Raises "'<text>' is not a valid integer value" at the first
    // edit that holds no number.
    PreferencesInput preferencesInput() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The menu mode byte of the last record read, written back when no mode is chosen, so an
    // update never changes a mode this dialog cannot show.
    std::uint8_t lastReadMenuByte_ = NoMenuModeByte;
};

extern TPrefForm* PrefForm;
