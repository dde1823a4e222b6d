#pragma once

#include <QWidget>

class TRPrintAllWithout : public QWidget
{
    Q_OBJECT

public:
    TRPrintAllWithout();
};
