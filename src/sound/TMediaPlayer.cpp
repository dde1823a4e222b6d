#include "TMediaPlayer.h"

#include "Artwork.h"
#include "ControlNames.h"
#include "Messages.h"
#include "NamedChild.h"

#include <QHBoxLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

TMediaPlayer::TMediaPlayer(QWidget *parent)
    : TMediaPlayer(m_ownPlayer, parent)
{
}

TMediaPlayer::TMediaPlayer(SoundPlayer &shared, QWidget *parent)
    : QWidget(parent)
    , player(shared)
    , PlayButton(makeNamed<QPushButton>(this, u"PlayButton"_s))
    , StopButton(makeNamed<QPushButton>(this, u"StopButton"_s))
{
    PlayButton->setIcon(Artwork::playSymbol(16));
    StopButton->setIcon(Artwork::stopSymbol(16));
    for (QPushButton *button : {PlayButton, StopButton}) {
        button->setFixedSize(30, 24);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PlayButton);
    layout->addWidget(StopButton);
    layout->addStretch();
    setFixedSize(60, 24);
    connect(PlayButton, &QPushButton::clicked, this, &TMediaPlayer::PlayClick);
    connect(StopButton, &QPushButton::clicked, this, &TMediaPlayer::StopClick);
}

void TMediaPlayer::setButtonNames(const QString &play, const QString &stop)
{
    ControlNames::namePicture(PlayButton, play);
    ControlNames::namePicture(StopButton, stop);
}

bool TMediaPlayer::restart()
{
    emit buttonPressed();
    if (!player.open()) {
        Messages::show(player.errorText());
        return false;
    }
    player.play();
    return true;
}

void TMediaPlayer::PlayClick()
{
    restart();
}

void TMediaPlayer::StopClick()
{
    if (restart())
        player.stop();
}
