#pragma once

#include <QWidget>

class WindowSet;

class TRPrintAllWith : public QWidget
{
    Q_OBJECT

public:
    explicit TRPrintAllWith(WindowSet &windows);
};
