#pragma once

#include "CaptionedDialog.h"

#include <array>

class DrillActions;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TAfterRecordDlg;
class UpDown;

// The record dialog: record the next 10 to 100 operations or errors, or no
// recording. Its choice takes effect through OK, its only button; Escape
// closes it with the choice as it was.
class TRecordDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TRecordDlg(AppContext &context);

    void setDrill(DrillActions *drill) { m_drill = drill; }
    void setAfterRecordDialog(TAfterRecordDlg *dialog) { m_afterRecord = dialog; }

    void OKBtnClick();

protected:
    void FormShow() override;

private:
    QLabel *Label1;
    QLineEdit *Edit1;
    UpDown *UpDown1;
    std::array<QRadioButton *, 3> m_choices; // RadioButton1 to RadioButton3, in RecordMode's order
    QLabel *Label3;
    QPushButton *OKBtn;

    DrillActions *m_drill = nullptr;
    TAfterRecordDlg *m_afterRecord = nullptr;
};
