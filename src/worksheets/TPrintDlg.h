#pragma once

#include "CaptionedDialog.h"
#include "Worksheets.h"

#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The print dialog: one of the four worksheets for the chosen tables, on
// screen (a preview) or on paper (the default printer).
class TPrintDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TPrintDlg(AppContext &context);

    // Where the drill window's operator is read: -1 until the drill window
    // has been shown, and then the dialog follows it.
    void setDrillOperator(std::function<int()> drillOperator);

    void OKBtnClick();

    // A random sheet of the weak facts of the history, on screen.
    void previewWeakFactsSheet();

protected:
    void FormShow() override;

private:
    void loadOperators();
    void selectOperator();
    RandomWorksheetRequest randomRequest() const;
    void produce(const ReportPage &page, bool modalPreview);

    QRadioButton *RadioButton3;
    QComboBox *OperBox;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton4;
    QGroupBox *GroupBox1;
    QGroupBox *RadioGroup1;
    std::array<QRadioButton *, 2> RadioGroup1Items;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    std::function<int()> m_drillOperator;
    Worksheets m_worksheets;
};
