#pragma once

#include "SoundPlayer.h"

#include <QWidget>

class QPushButton;

// A media player control: a play and a stop button over a sound player.
// Either button first announces itself (so that another player can be
// closed), then reopens the file and starts it without waiting; stop then
// stops it at once.
class TMediaPlayer : public QWidget
{
    Q_OBJECT

public:
    // Plays with a player of its own.
    explicit TMediaPlayer(QWidget *parent = nullptr);
    // Plays with a player it shares with the rest of the program.
    TMediaPlayer(SoundPlayer &shared, QWidget *parent);

    // What the buttons say to a screen reader and under the pointer.
    void setButtonNames(const QString &play, const QString &stop);

    void PlayClick();
    void StopClick();

private:
    SoundPlayer m_ownPlayer; // before player, which may refer to it

public:
    SoundPlayer &player;
    QPushButton *PlayButton;
    QPushButton *StopButton;

signals:
    void buttonPressed();

private:
    // False when the file could not be opened; its error has been shown.
    bool restart();
};
