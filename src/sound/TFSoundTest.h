#pragma once

#include <QWidget>

class WindowSet;

class TFSoundTest : public QWidget
{
    Q_OBJECT

public:
    explicit TFSoundTest(WindowSet &windows);
};
