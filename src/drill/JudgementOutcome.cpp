#include "JudgementOutcome.h"

#include "Judgement.h"

using namespace Qt::StringLiterals;

JudgementOutcome JudgementOutcome::ofAnswer(const QString &answer, int expected)
{
    return Judgement::isRight(answer, expected) ? Right : Wrong;
}

JudgementOutcome JudgementOutcome::ofLateAnswer(const QString &answer, int expected)
{
    if (answer.isEmpty())
        return TimeUp;
    return Judgement::isRight(answer, expected) ? LateRight : LateWrong;
}

SoundEvent JudgementOutcome::event() const
{
    switch (m_kind) {
    case Right: return SoundEvent::RightAnswer;
    case Wrong: return SoundEvent::WrongAnswer;
    case LateRight: return SoundEvent::LateRightAnswer;
    case LateWrong: return SoundEvent::LateWrongAnswer;
    case TimeUp: break;
    }
    return SoundEvent::TimeUpNoAnswer;
}

QString JudgementOutcome::commentKey() const
{
    switch (m_kind) {
    case Right: return u"vResultRightLbl"_s;
    case Wrong: return u"vResultWrongLbl"_s;
    case LateRight: return u"vResultRightLateLbl"_s;
    case LateWrong: return u"vResultWrongLateLbl"_s;
    case TimeUp: break;
    }
    return u"vResultLateLbl"_s;
}

bool JudgementOutcome::isError() const
{
    return m_kind != Right && m_kind != LateRight;
}

Verdict JudgementOutcome::verdict() const
{
    switch (m_kind) {
    case Right: return Verdict::Right;
    case Wrong: return Verdict::Wrong;
    case LateRight: return Verdict::LateRight;
    case LateWrong: return Verdict::LateWrong;
    case TimeUp: break;
    }
    return Verdict::TimeUp;
}
