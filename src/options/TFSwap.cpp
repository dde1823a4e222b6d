#include "TFSwap.h"

#include "TFCalculator.h"
#include "TFStart.h"
#include "UpDown.h"
#include "WindowSet.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QFrame *framedPanel(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFSwap::TFSwap(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("FSwap"), QStringLiteral("vFSWapCaption"))
    , Label1(named(new QLabel(this), "Label1"))
    , RadioButton1(named(new QRadioButton(this), "RadioButton1"))
    , RadioButton2(named(new QRadioButton(this), "RadioButton2"))
    , Label2(named(new QLabel(this), "Label2"))
    , Edit1(named(new QLineEdit(this), "Edit1"))
    , UpDown1(named(new UpDown(this), "UpDown1"))
    , Label3(named(new QLabel(this), "Label3"))
    , BitBtn1(named(new QPushButton(this), "BitBtn1"))
{
    QFont bold = font();
    bold.setBold(true);
    RadioButton1->setFont(bold);
    RadioButton2->setFont(bold);
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    Label3->setWordWrap(true);
    Label3->setStyleSheet(QStringLiteral("color: #505050;"));
    Edit1->setFixedWidth(40);
    Edit1->setAlignment(Qt::AlignCenter);
    UpDown1->setFixedHeight(Edit1->sizeHint().height());
    UpDown1->setBuddy(Edit1);
    UpDown1->setRange(1, 12);
    UpDown1->setValue(context().settings.Range);
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

    (context().settings.Inversion ? RadioButton1 : RadioButton2)->setChecked(true);
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
    Label1->setText(text(QStringLiteral("vCrossMultiplicatorsLbl")));
    RadioButton1->setText(text(QStringLiteral("vCrossYesRadioBtnCaption")));
    RadioButton2->setText(text(QStringLiteral("vCrossNoRadioBtnCaption")));
    Label2->setText(text(QStringLiteral("vSmallestMultiplicatorLbl")));
    Label3->setText(text(QStringLiteral("vSeeHelpFileLbl")));
    BitBtn1->setText(QStringLiteral("OK"));
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
    m_windows.FStart->setSmallestMultiplicator(UpDown1->value());
    if (m_windows.FCalculator->isVisible())
        m_windows.FCalculator->restoreFocus();
    if (isVisible())
        accept();
}

// Escape closes the dialog the way its only button does.
void TFSwap::reject()
{
    BitBtn1Click();
}
