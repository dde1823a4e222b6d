#pragma once

#include <QWidget>

class TRPrintGrid : public QWidget
{
    Q_OBJECT

public:
    TRPrintGrid();
};
