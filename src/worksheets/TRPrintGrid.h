#pragma once

#include <QWidget>

class WindowSet;

class TRPrintGrid : public QWidget
{
    Q_OBJECT

public:
    explicit TRPrintGrid(WindowSet &windows);
};
