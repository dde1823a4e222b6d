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
    explicit TFSwap(AppContext &context);

    // OK: the smallest multiplicator takes effect and the dialog closes.
    void BitBtn1Click();
    // Shows the smallest multiplicator and makes it take effect, as the
    // start window does at every activation while the dialog is hidden.
    void applySmallestMultiplicator(int smallest);

signals:
    void smallestMultiplicatorChosen(int smallest);

protected:
    void FormShow() override;
    void reject() override;

private:
    QLabel *Label1;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QLabel *Label2;
    QLineEdit *Edit1;
    UpDown *UpDown1;
    QLabel *Label3;
    QPushButton *BitBtn1;

    void RadioButton1Click();
    void RadioButton2Click();
};
