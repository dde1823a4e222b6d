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
    explicit TMediaPlayer(QWidget *parent = nullptr);

    void PlayClick();
    void StopClick();

    SoundPlayer player;
    QPushButton *PlayButton;
    QPushButton *StopButton;

signals:
    void buttonPressed();

private:
    // False when the file could not be opened; its error has been shown.
    bool restart();
};
