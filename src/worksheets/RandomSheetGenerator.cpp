#include "RandomSheetGenerator.h"

#include "Random.h"

using namespace Qt::StringLiterals;

namespace {

const QString Blank = u" "_s;
const QString Answer = u" =  ____"_s;

// A fresh index unlike the previous one whenever the list allows it.
template<typename Index>
Index drawUnlike(Index &previous, qsizetype count)
{
    int index = Random::below(int(count));
    if (count >= 2) {
        while (index == previous)
            index = Random::below(int(count));
    }
    previous = Index(index);
    return previous;
}

} // namespace

QString RandomSheetGenerator::divisionSign(const QString &languageCode)
{
    return languageCode == u"fr" ? u":"_s : QString(QChar(0x00F7));
}

template<typename Next>
RandomSheetGenerator::Sheet RandomSheetGenerator::layOut(Next next)
{
    Sheet sheet;
    for (QStringList &column : sheet) {
        for (int i = 0; i < OperationsPerColumn; ++i) {
            column << next() << Blank;
            if (i == OperationsPerColumn / 2 - 1)
                column << Blank << Blank;
        }
    }
    return sheet;
}

RandomSheetGenerator::Sheet RandomSheetGenerator::make(const RandomSheetRequest &request)
{
    m_dividing = false;
    return layOut([&] { return nextOperation(request); });
}

RandomSheetGenerator::Sheet RandomSheetGenerator::make(const QList<Fact> &facts, const QString &languageCode)
{
    const QChar sign = divisionSign(languageCode).front();
    return layOut([&] {
        const Fact fact = facts.value(drawUnlike(m_previousFact, facts.size()));
        return fact.text(sign) + Answer;
    });
}

QString RandomSheetGenerator::nextOperation(const RandomSheetRequest &request)
{
    const QString m = request.multiplicators.value(
        drawUnlike(m_previousMultiplicator, request.multiplicators.size()));
    const QString t = request.tables.value(drawUnlike(m_previousTable, request.tables.size()));
    const QString product = QString::number(m.toInt() * t.toInt());

    switch (request.operation) {
    case OperatorKind::Multiply:
        break;
    case OperatorKind::Divide:
        m_dividing = true;
        break;
    case OperatorKind::Alternate:
        m_dividing = !m_dividing;
        break;
    case OperatorKind::Random:
        m_dividing = Random::below(2) == 1;
        break;
    }

    if (m_dividing)
        return product + u' ' + divisionSign(request.languageCode) + u' ' + t + Answer;
    if (request.crossed && Random::below(2) == 1)
        return t + u" x "_s + m + Answer;
    return m + u" x "_s + t + Answer;
}
