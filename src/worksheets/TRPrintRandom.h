#pragma once

#include <QWidget>

class WindowSet;

class TRPrintRandom : public QWidget
{
    Q_OBJECT

public:
    explicit TRPrintRandom(WindowSet &windows);
};
