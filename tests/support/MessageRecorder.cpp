#include "MessageRecorder.h"

#include "Messages.h"

MessageRecorder::MessageRecorder(bool answer)
{
    Messages::setHandler([this, answer](Messages::Kind kind, const QString &text) {
        if (kind == Messages::Kind::Beep)
            ++beeps;
        else
            (kind == Messages::Kind::Question ? questions : messages) << text;
        return answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setHandler({});
}
