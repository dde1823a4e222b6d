#pragma once

#include "DrillState.h"
#include "JudgementOutcome.h"
#include "RecordMode.h"

#include <QString>
#include <QStringList>

// Owns the recording of the next N operations or errors and their review:
// RecordMode, the count N, RecordList and the recording fields of the
// drill state (RecordedCount, Replaying). It says what each judgement counts
// and stores, when a recording is complete, writes a question as its line
// ("3x7", "21:7", "21÷7") and poses a recorded line again. The dialogs and
// the drill window call it at the steps where these happen.
class Recording
{
public:
    static constexpr int MinCount = 10;
    static constexpr int MaxCount = 100;
    static constexpr int CountStep = 10;

    explicit Recording(DrillState &state) : m_state(state) {}

    RecordMode mode() const { return m_mode; }

    // Operations or Errors is chosen: judgements are being recorded.
    bool isChosen() const { return m_mode != RecordMode::Off; }

    // N, from 10 to 100 in steps of 10.
    int count() const { return m_count; }

    // Brought into 10 to 100 and down to a step of 10.
    void setCount(int count);

    const QStringList &RecordList() const { return m_lines; }

    // The record button's caption: "Rec" while recording is chosen, "Playing"
    // during a review, else nothing.
    QString caption() const;

    // The record dialog's OK: Operations or Errors starts a recording afresh;
    // Off keeps the lines recorded so far, to be reviewed or erased.
    void choose(RecordMode mode);

    // The judgement's count towards N: every judgement with Operations, the
    // ones that count an error with Errors.
    void countJudgement(JudgementOutcome outcome);

    // The end of the mark's computation: stores the question on screen when
    // it was counted, while N is not passed. True when the recording has
    // just reached N and the after-record dialog is due.
    bool storeJudgement(JudgementOutcome outcome);

    // The review button: Off chosen without starting afresh, the review
    // running, the operation count at 0 so the first recorded one is 1.
    void startReview();
    // The review of operations from elsewhere (the weak facts of the history
    // of answers): they become the record list, as if just recorded.
    void startReview(const QStringList &lines);

    // The erase button: no lines, nothing counted, Off chosen, no review.
    void erase();

    // Poses the first recorded line in the drill state and removes it; lines
    // that are not a question are passed over. False when none is left: the
    // review is over.
    bool poseNext();

    // The question on screen as one line: first number, sign, second number.
    static QString operationLine(const DrillState &state);

    // Puts the question of a recorded line into the drill state: the sign at
    // the first "x", else ":", else "÷", the numbers around it. False, with
    // the state left as it was, for a line that is not two whole numbers
    // around a sign whose answer is a 16-bit whole number.
    static bool poseLine(const QString &line, DrillState &state);

private:
    bool counts(JudgementOutcome outcome) const;

    DrillState &m_state;
    RecordMode m_mode = RecordMode::Off;
    int m_count = MinCount;
    QStringList m_lines;
};
