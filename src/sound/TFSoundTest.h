#pragma once

#include <QWidget>

class QProgressBar;

// The small progress window shown while the sound files of the current set
// are checked at start-up.
class TFSoundTest : public QWidget
{
    Q_OBJECT

public:
    TFSoundTest();

    // Shows the window with no file checked yet.
    void begin();
    // Shows how many of the set's files have been checked.
    void showChecked(int count);

private:
    QProgressBar *PB1;
};
