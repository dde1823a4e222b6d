#include "TMakeBackGround.h"

#include "ControlNames.h"
#include "NamedChild.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

using namespace Qt::StringLiterals;

TMakeBackGround::TMakeBackGround(AppContext &context)
    : CaptionedDialog(context, u"MakeBackGround"_s, u"vMakeBackGroundCaption"_s)
{
    makeFixedDialog();
    setFixedSize(177, 152);
    auto *frame = makeNamed<QFrame>(this, u"Panel1"_s);
    frame->setGeometry(8, 8, 161, 104);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);

    BitBtn1 = makeNamed<QPushButton>(frame, u"BitBtn1"_s);
    BitBtn2 = makeNamed<QPushButton>(frame, u"BitBtn2"_s);
    BitBtn3 = makeNamed<QPushButton>(frame, u"BitBtn3"_s);
    BitBtn1->setGeometry(8, 8, 145, 26);
    BitBtn2->setGeometry(30, 39, 123, 26);
    BitBtn3->setGeometry(8, 70, 145, 26);
    // At the left end of the middle colour's button, and usable while it is off.
    CheckBox1 = makeNamed<QCheckBox>(frame, u"CheckBox1"_s);
    CheckBox1->setGeometry(10, 44, 16, 16);
    CheckBox1->setChecked(true);
    BitBtn4 = makeNamed<QPushButton>(this, u"BitBtn4"_s);
    BitBtn4->setGeometry(51, 118, 75, 26);
    BitBtn4->setText(u"OK"_s);
    BitBtn4->setDefault(true);

    connect(BitBtn1, &QPushButton::clicked, this, &TMakeBackGround::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TMakeBackGround::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TMakeBackGround::BitBtn3Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TMakeBackGround::CheckBox1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::accept);
    LoadCaptions();
}

GradientSpec TMakeBackGround::design(const GradientSpec &background)
{
    m_background = background;
    exec();
    return m_background;
}

// The box keeps its state for the run, and the background follows it at
// every opening.
void TMakeBackGround::FormShow()
{
    CaptionedDialog::FormShow();
    BitBtn1->setText(text(u"vTopColBtn"_s));
    BitBtn2->setText(text(u"vMidColBtn"_s));
    ControlNames::name(CheckBox1, text(u"vMidColBtn"_s));
    BitBtn3->setText(text(u"vEndColBtn"_s));
    applyDoubleGradient();
}

void TMakeBackGround::BitBtn1Click()
{
    chooseColor(&GradientSpec::StartColor);
}

void TMakeBackGround::BitBtn2Click()
{
    chooseColor(&GradientSpec::MiddleColor);
}

void TMakeBackGround::BitBtn3Click()
{
    chooseColor(&GradientSpec::EndColor);
}

void TMakeBackGround::CheckBox1Click()
{
    applyDoubleGradient();
}

void TMakeBackGround::applyDoubleGradient()
{
    BitBtn2->setEnabled(CheckBox1->isChecked());
    m_background.DoubleGradient = CheckBox1->isChecked();
    emit backgroundChanged(m_background);
}

void TMakeBackGround::chooseColor(int GradientSpec::*color)
{
    if (const std::optional<int> chosen = CD1.Execute()) {
        m_background.*color = *chosen;
        emit backgroundChanged(m_background);
    }
}
