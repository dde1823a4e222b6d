#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

// What the keyboard may put into the answer box: digits, while fewer than
// three are typed, and backspace; every other character, a paste or a drop
// is discarded, however long the keypad has made the answer. Keys that type
// nothing (Enter, Tab, the arrows) go on as usual.
class AnswerKeyFilter : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxTyped = 3;

    // Filters the keyboard of the given box, which owns the filter.
    explicit AnswerKeyFilter(QLineEdit *answer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool AnsKeyPress(const QKeyEvent *key) const;

    QLineEdit *m_answer;
};
