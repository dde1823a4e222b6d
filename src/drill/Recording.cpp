#include "Recording.h"

#include <algorithm>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QChar Obelus(0x00F7);
constexpr qsizetype MaxSecondLength = 10;

// A recorded number: decimal digits only, within 16 bits.
std::optional<qint16> recordedNumber(const QString &text)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

} // namespace

void Recording::setCount(int count)
{
    m_count = std::clamp(count, MinCount, MaxCount) / CountStep * CountStep;
}

QString Recording::caption() const
{
    if (isChosen())
        return u"Rec"_s;
    return m_state.Replaying ? u"Playing"_s : QString();
}

void Recording::choose(RecordMode mode)
{
    m_mode = mode;
    if (isChosen()) {
        m_lines.clear();
        m_state.RecordedCount = 0;
    }
}

bool Recording::counts(JudgementOutcome outcome) const
{
    return m_mode == RecordMode::Operations || (m_mode == RecordMode::Errors && outcome.isError());
}

void Recording::countJudgement(JudgementOutcome outcome)
{
    if (counts(outcome) && m_state.RecordedCount < std::numeric_limits<qint8>::max())
        ++m_state.RecordedCount;
}

bool Recording::storeJudgement(JudgementOutcome outcome)
{
    if (!isChosen())
        return false;
    if (m_state.RecordedCount <= m_count && counts(outcome))
        m_lines << operationLine(m_state);
    return m_state.RecordedCount == m_count;
}

void Recording::startReview()
{
    m_mode = RecordMode::Off;
    m_state.Replaying = true;
    m_state.OperationCount = 0;
}

void Recording::startReview(const QStringList &lines)
{
    m_lines = lines;
    m_state.RecordedCount = 0;
    startReview();
}

void Recording::erase()
{
    m_lines.clear();
    m_state.RecordedCount = 0;
    m_mode = RecordMode::Off;
    m_state.Replaying = false;
}

bool Recording::poseNext()
{
    while (!m_lines.isEmpty()) {
        const bool posed = poseLine(m_lines.first(), m_state);
        m_lines.removeFirst();
        if (posed)
            return true;
    }
    return false;
}

QString Recording::operationLine(const DrillState &state)
{
    return state.FirstText + state.Sign + state.SecondText;
}

bool Recording::poseLine(const QString &line, DrillState &state)
{
    qsizetype at = line.indexOf(u'x');
    if (at < 0)
        at = line.indexOf(u':');
    if (at < 0)
        at = line.indexOf(Obelus);
    if (at < 0)
        return false;

    const QString first = line.left(at);
    const QString second = line.mid(at + 1, MaxSecondLength);
    const std::optional<qint16> multiplicator = recordedNumber(first);
    const std::optional<qint16> table = recordedNumber(second);
    if (!multiplicator || !table)
        return false;
    const bool times = line.at(at) == u'x';
    if (!times && *table == 0)
        return false;
    const int expected = times ? *multiplicator * *table : *multiplicator / *table;
    if (expected > std::numeric_limits<qint16>::max())
        return false;

    state.Sign = line.at(at);
    state.FirstText = first;
    state.SecondText = second;
    state.Multiplicator = *multiplicator;
    state.Table = *table;
    state.Expected = qint16(expected);
    return true;
}
