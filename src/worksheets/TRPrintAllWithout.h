#pragma once

#include <QWidget>

class WindowSet;

class TRPrintAllWithout : public QWidget
{
    Q_OBJECT

public:
    explicit TRPrintAllWithout(WindowSet &windows);
};
