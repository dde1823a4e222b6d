#pragma once

#include <QStringList>

// Records every message box, question and beep while it lives, answering each
// question with the given answer.
class MessageRecorder
{
public:
    explicit MessageRecorder(bool answer = true);
    ~MessageRecorder();

    QStringList messages;
    QStringList questions;
    int beeps = 0;
};
