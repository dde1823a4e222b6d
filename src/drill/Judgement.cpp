#include "Judgement.h"

using namespace Qt::StringLiterals;

namespace Judgement {

std::optional<qint32> answerValue(const QString &answer)
{
    bool ok = false;
    const qint32 value = answer.toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

bool isRight(const QString &answer, int expected)
{
    return answerValue(answer) == expected;
}

QString comment(const QString &languageText)
{
    const QString cut = languageText.left(CommentLength);
    return cut.isEmpty() ? u"xxxxx"_s : cut;
}

QString resultLine(const DrillState &state)
{
    return state.FirstText + u' ' + state.Sign + u' ' + state.SecondText + u" = "_s
           + QString::number(state.Expected);
}

} // namespace Judgement
