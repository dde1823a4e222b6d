#include "TAfterRecordDlg.h"

#include "AppContext.h"
#include "DrillActions.h"
#include "Messages.h"
#include "NamedChild.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAfterRecordDlg::TAfterRecordDlg(AppContext &context)
    : CaptionedDialog(context, u"AfterRecordDlg"_s, u"vAfterRecordDlgCaption"_s)
{
    makeFixedDialog();
    auto *column = new QVBoxLayout(this);
    Label1 = makeNamed<QLabel>(this, u"Label1"_s);
    Label1->setWordWrap(true);
    column->addWidget(Label1);
    auto *buttons = new QHBoxLayout;
    OKBtn = makeNamed<QPushButton>(this, u"OKBtn"_s);
    OKBtn->setDefault(true);
    CancelBtn = makeNamed<QPushButton>(this, u"CancelBtn"_s);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    column->addLayout(buttons);
    connect(OKBtn, &QPushButton::clicked, this, &TAfterRecordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TAfterRecordDlg::CancelBtnClick);
    LoadCaptions();
}

void TAfterRecordDlg::FormShow()
{
    CaptionedDialog::FormShow();
    Label1->setText(text(u"vWhatToDoLbl"_s));
    OKBtn->setText(text(u"vOKCaptionBtn"_s));
    CancelBtn->setText(text(u"vCancelCaptionBtn"_s));
    OKBtn->setFocus();
    fitToWidth(300);
}

// The reset poses a generated question before the review starts, so the
// first recorded operation comes with the caller's next question, as
// operation 1.
void TAfterRecordDlg::OKBtnClick()
{
    Recording &recording = context().recording;
    m_drill->stopChronometer();
    m_drill->BitBtn3Click();
    recording.startReview();
    m_drill->setRecordCaption(recording.caption());
    accept();
}

void TAfterRecordDlg::CancelBtnClick()
{
    m_drill->setRecordCaption(QString());
    context().recording.erase();
    done(Rejected);
    m_drill->switchChronometerOff();
    m_drill->BitBtn3Click();
    Messages::show(text(u"vEraseOperationsMsg"_s));
    m_drill->stopChronometer();
    context().drill.OperationCount = 0;
}

void TAfterRecordDlg::reject()
{
    CancelBtnClick();
}
