#include "TFCalculator.h"

#include "Artwork.h"
#include "TFStart.h"
#include "TGradient.h"
#include "WindowSet.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

TFCalculator::TFCalculator(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("FCalculator"), QString())
    , Gradient1(new TGradient(this))
    , OpSel(new QComboBox(Gradient1))
    , BitBtn8(new QPushButton(Gradient1))
{
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    Gradient1->setObjectName(QStringLiteral("Gradient1"));
    OpSel->setObjectName(QStringLiteral("OpSel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Gradient1);
    resize(746, 558);
    LoadCaptions();
    setWindowTitle(windows.FStart->windowTitle());
}

void TFCalculator::takeBackground(const GradientSpec &spec)
{
    Gradient1->setSpec(spec);
}

int TFCalculator::operatorIndex() const
{
    return OpSel->currentIndex();
}

void TFCalculator::restoreFocus() {}

void TFCalculator::showSoundPicture(bool soundOn)
{
    BitBtn8->setIcon(Artwork::loudspeaker(24, soundOn));
}
