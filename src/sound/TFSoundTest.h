#pragma once

#include <QWidget>

class QProgressBar;
class WindowSet;

// The small progress window shown while the sound files of the current set
// are checked at start-up.
class TFSoundTest : public QWidget
{
    Q_OBJECT

public:
    explicit TFSoundTest(WindowSet &windows);

    QProgressBar *PB1;
};
