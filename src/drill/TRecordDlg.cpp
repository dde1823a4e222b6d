#include "TRecordDlg.h"

#include "AppContext.h"
#include "ControlNames.h"
#include "DrillActions.h"
#include "NamedChild.h"
#include "TAfterRecordDlg.h"
#include "UpDown.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

TRecordDlg::TRecordDlg(AppContext &context)
    : CaptionedDialog(context, u"RecordDlg"_s, u"vRecordDlgCaption"_s)
{
    makeFixedDialog();
    auto *grid = new QGridLayout(this);
    Label1 = makeNamed<QLabel>(this, u"Label1"_s);
    Edit1 = makeNamed<QLineEdit>(this, u"Edit1"_s);
    Edit1->setFixedWidth(40);
    Edit1->setAlignment(Qt::AlignRight);
    UpDown1 = makeNamed<UpDown>(this, u"UpDown1"_s);
    UpDown1->setBuddy(Edit1);
    UpDown1->setRange(Recording::MinCount, Recording::MaxCount);
    UpDown1->setSingleStep(Recording::CountStep);
    auto *limits = new QLabel(u"Min.:  10 Max.: 100"_s, this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(UpDown1, 0, 2);
    grid->addWidget(limits, 1, 1, 1, 2);
    for (int i = 0; i < 3; ++i) {
        m_choices[i] = makeNamed<QRadioButton>(this, u"RadioButton%1"_s.arg(i + 1));
        grid->addWidget(m_choices[i], 2 + i, 0, 1, 3);
    }
    Label3 = makeNamed<QLabel>(this, u"Label3"_s);
    Label3->setWordWrap(true);
    grid->addWidget(Label3, 5, 0, 1, 3);
    OKBtn = makeNamed<QPushButton>(this, u"OKBtn"_s);
    OKBtn->setText(u"OK"_s);
    OKBtn->setDefault(true);
    grid->addWidget(OKBtn, 6, 0, 1, 3, Qt::AlignCenter);
    connect(OKBtn, &QPushButton::clicked, this, &TRecordDlg::OKBtnClick);
    connect(UpDown1, &UpDown::valueChanged, this, [this](int count) { this->context().recording.setCount(count); });
    LoadCaptions();
}

// The texts, the count and the choice in force, each time the dialog opens.
void TRecordDlg::FormShow()
{
    CaptionedDialog::FormShow();
    Label1->setText(text(u"vRecNextLbl"_s));
    m_choices[0]->setText(text(u"vNextOpRBCaption"_s));
    m_choices[1]->setText(text(u"vNextErrRBCaption"_s));
    m_choices[2]->setText(text(u"vNoRecRBCaption"_s));
    Label3->setText(text(u"vInfoLbl"_s));
    ControlNames::name(Edit1, text(u"vRecNextLbl"_s));
    UpDown1->setButtonNames(text(u"vUpHint"_s), text(u"vDownHint"_s));
    const Recording &recording = context().recording;
    UpDown1->setValue(recording.count());
    QRadioButton *chosen = m_choices[int(recording.mode())];
    chosen->setChecked(true);
    chosen->setFocus();
    fitToWidth(320);
}

void TRecordDlg::OKBtnClick()
{
    Recording &recording = context().recording;
    int chosen = 0;
    while (!m_choices[chosen]->isChecked())
        ++chosen;
    recording.choose(RecordMode(chosen));
    m_drill->setRecordCaption(recording.caption());
    // Off with lines recorded so far: they are offered for review or erase.
    if (!recording.isChosen() && !recording.RecordList().isEmpty()) {
        accept();
        m_afterRecord->exec();
        return;
    }
    m_drill->restoreFocus();
    accept();
}
