#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product name, what the tool is for, the author notice and a credit line.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

extern TAboutBox* AboutBox;
