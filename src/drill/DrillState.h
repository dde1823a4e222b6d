#pragma once

#include <QString>

// The one program-wide record of the drill: the question on screen, the
// counters, the mark and the modes. It outlives every showing of the drill
// window.
struct DrillState
{
    qint16 Expected = 0;
    qint16 Multiplicator = 0;
    qint16 Table = 0;
    qint32 OperationCount = 0;
    qint32 ErrorCount = 0;
    double Mark = 0;
    QString MarkText;
    QString FirstText;
    QString SecondText;
    bool MentalMode = false;
    qint8 RecordedCount = 0;
    qint8 PreviousMultiplicator = 0;
    bool Replaying = false;
    QString Sign;
};
