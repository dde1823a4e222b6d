#pragma once

#include "CaptionedDialog.h"
#include "Worksheets.h"

#include <array>

#include <functional>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The print dialog: one of the four worksheets, on screen (a preview) or on
// paper (the default printer).
class TPrintDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TPrintDlg(WindowSet &windows);

    // The drill window's operator, -1 until it has been shown.
    void setDrillOperator(std::function<int()> drillOperator);

    // Opens the dialog for the chosen tables and the usable multiplicators.
    void Execute(const QStringList &tables, const QStringList &multiplicators);

    void OKBtnClick();

    QRadioButton *RadioButton3;
    QComboBox *OperBox;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton4;
    QGroupBox *RadioGroup1;
    std::array<QRadioButton *, 2> RadioGroup1Items;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

protected:
    void FormShow() override;

private:
    void loadOperators();
    void selectOperator();
    void produce(const ReportPage &page, bool modalPreview);

    std::function<int()> m_drillOperator;
    QStringList m_tables;
    QStringList m_multiplicators;
    Worksheets m_worksheets;
};
