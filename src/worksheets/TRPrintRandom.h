#pragma once

#include <QWidget>

class TRPrintRandom : public QWidget
{
    Q_OBJECT

public:
    TRPrintRandom();
};
