#pragma once

#include <QWidget>

class TRPrintAllWith : public QWidget
{
    Q_OBJECT

public:
    TRPrintAllWith();
};
