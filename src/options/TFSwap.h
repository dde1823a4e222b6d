#pragma once

#include "CaptionedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UpDown;

// The expert options: crossing the factors of a multiplication, and the
// smallest multiplicator.
class TFSwap : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFSwap(WindowSet &windows);

    // OK: the smallest multiplicator takes effect and the dialog closes. The
    // start window also runs it at every activation, with the dialog hidden.
    void BitBtn1Click();

    QLabel *Label1;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QLabel *Label2;
    QLineEdit *Edit1;
    UpDown *UpDown1;
    QLabel *Label3;
    QPushButton *BitBtn1;

protected:
    void FormShow() override;
    void reject() override;

private:
    void RadioButton1Click();
    void RadioButton2Click();
};
