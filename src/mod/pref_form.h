#pragma once

#include <QDialog>

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
    QLineEdit* sEdit = nullptr;  // UFIF2-library section, group
    QLineEdit* ssEdit = nullptr; // UFIF2-library section, slot
    RadioGroup* RG1 = nullptr;   // menu show mode
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

protected:
    void showEvent(QShowEvent* event) override;
};

extern TPrefForm* PrefForm;
