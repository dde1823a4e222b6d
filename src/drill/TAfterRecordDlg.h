#pragma once

#include "CaptionedDialog.h"

class DrillActions;
class QLabel;
class QPushButton;

// Offered when a recording is complete or broken off: drill the recorded
// operations again, or erase them. Escape erases, so the pupil always gets
// back to the drill.
class TAfterRecordDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TAfterRecordDlg(AppContext &context);

    void setDrill(DrillActions *drill) { m_drill = drill; }

    void OKBtnClick();     // review
    void CancelBtnClick(); // erase, also when the drill is left or a review ends

    void reject() override;

protected:
    void FormShow() override;

private:
    QLabel *Label1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    DrillActions *m_drill = nullptr;
};
