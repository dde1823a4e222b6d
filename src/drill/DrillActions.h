#pragma once

#include <QString>

// What the record dialogs may do to the drill window: the named operations
// of its chronometer, its reset button and its record button.
class DrillActions
{
public:
    // Stops a running chronometer as its button does; nothing when it is stopped.
    virtual void stopChronometer() = 0;
    // Sets the chronometer switch to off, which stops its counting.
    virtual void switchChronometerOff() = 0;
    // Presses the reset button: fresh counters and a new question.
    virtual void BitBtn3Click() = 0;
    // The small caption under the record button's picture.
    virtual void setRecordCaption(const QString &caption) = 0;
    // The keyboard focus goes back to where the pupil answers.
    virtual void restoreFocus() = 0;

protected:
    ~DrillActions() = default;
};
