#include "RandomSheetGenerator.h"

#include "Random.h"

using namespace Qt::StringLiterals;

namespace {

const QString Blank = u" "_s;
const QString Answer = u" =  ____"_s;

// A fresh index unlike the previous one whenever the list allows it.
quint8 drawUnlike(quint8 &previous, qsizetype count)
{
    int index = Random::below(int(count));
    if (count >= 2) {
        while (index == previous)
            index = Random::below(int(count));
    }
    previous = quint8(index);
    return previous;
}

} // namespace

QString RandomSheetGenerator::divisionSign(const QString &languageCode)
{
    return languageCode == u"fr" ? u":"_s : QString(QChar(0x00F7));
}

RandomSheetGenerator::Sheet RandomSheetGenerator::make(const RandomSheetRequest &request)
{
    m_dividing = false;
    Sheet sheet;
    for (QStringList &column : sheet) {
        for (int i = 0; i < OperationsPerColumn; ++i) {
            column << nextOperation(request) << Blank;
            if (i == OperationsPerColumn / 2 - 1)
                column << Blank << Blank;
        }
    }
    return sheet;
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
