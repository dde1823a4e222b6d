#include "TFSwap.h"

#include "AppContext.h"
#include "ControlNames.h"
#include "NamedChild.h"
#include "UpDown.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QFrame *framedPanel(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

TFSwap::TFSwap(AppContext &context)
    : CaptionedDialog(context, u"FSwap"_s, u"vFSWapCaption"_s)
    , Label1(makeNamed<QLabel>(this, u"Label1"_s))
    , RadioButton1(makeNamed<QRadioButton>(this, u"RadioButton1"_s))
    , RadioButton2(makeNamed<QRadioButton>(this, u"RadioButton2"_s))
    , Label2(makeNamed<QLabel>(this, u"Label2"_s))
    , Edit1(makeNamed<QLineEdit>(this, u"Edit1"_s))
    , UpDown1(makeNamed<UpDown>(this, u"UpDown1"_s))
    , Label3(makeNamed<QLabel>(this, u"Label3"_s))
    , BitBtn1(makeNamed<QPushButton>(this, u"BitBtn1"_s))
{
    QFont bold = font();
    bold.setBold(true);
    RadioButton1->setFont(bold);
    RadioButton2->setFont(bold);
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    Label3->setWordWrap(true);
    Label3->setStyleSheet(u"color: #505050;"_s);
    Edit1->setFixedWidth(40);
    Edit1->setAlignment(Qt::AlignCenter);
    UpDown1->setFixedHeight(Edit1->sizeHint().height());
    UpDown1->setBuddy(Edit1);
    UpDown1->setRange(1, 12);
    UpDown1->setValue(context.settings.Range);
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(90);

    QFrame *crossing = framedPanel(this);
    auto *crossingLayout = new QGridLayout(crossing);
    crossingLayout->addWidget(Label1, 0, 0, 2, 1);
    crossingLayout->addWidget(RadioButton1, 0, 1);
    crossingLayout->addWidget(RadioButton2, 1, 1);
    crossingLayout->setColumnStretch(0, 1);

    QFrame *smallest = framedPanel(this);
    auto *smallestLayout = new QHBoxLayout(smallest);
    smallestLayout->addWidget(Label2, 1);
    smallestLayout->addWidget(Edit1);
    smallestLayout->addWidget(UpDown1);
    smallestLayout->setSpacing(0);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label3, 1);
    bottom->addWidget(BitBtn1, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(crossing);
    layout->addWidget(smallest);
    layout->addLayout(bottom);

    (context.settings.Inversion ? RadioButton1 : RadioButton2)->setChecked(true);
    connect(RadioButton1, &QRadioButton::clicked, this, &TFSwap::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TFSwap::RadioButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFSwap::BitBtn1Click);

    LoadCaptions();
    makeFixedDialog();
}

void TFSwap::FormShow()
{
    UpDown1->setValue(context().settings.Range);
    CaptionedDialog::FormShow();
    Label1->setText(text(u"vCrossMultiplicatorsLbl"_s));
    RadioButton1->setText(text(u"vCrossYesRadioBtnCaption"_s));
    RadioButton2->setText(text(u"vCrossNoRadioBtnCaption"_s));
    Label2->setText(text(u"vSmallestMultiplicatorLbl"_s));
    ControlNames::name(Edit1, text(u"vSmallestMultiplicatorLbl"_s));
    UpDown1->setButtonNames(text(u"vUpHint"_s), text(u"vDownHint"_s));
    Label3->setText(text(u"vSeeHelpFileLbl"_s));
    BitBtn1->setText(u"OK"_s);
    fitToWidth(420);
}

void TFSwap::RadioButton1Click()
{
    context().settings.Inversion = true;
}

void TFSwap::RadioButton2Click()
{
    context().settings.Inversion = false;
}

void TFSwap::BitBtn1Click()
{
    context().settings.Range = qint8(UpDown1->value());
    emit smallestMultiplicatorChosen(UpDown1->value());
    if (isVisible())
        accept();
}

void TFSwap::applySmallestMultiplicator(int smallest)
{
    UpDown1->setValue(smallest);
    BitBtn1Click();
}

// Escape closes the dialog the way its only button does.
void TFSwap::reject()
{
    BitBtn1Click();
}
