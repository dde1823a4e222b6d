#pragma once

#include "Fact.h"
#include "OperatorKind.h"

#include <QList>

#include <QString>
#include <QStringList>

#include <array>

// What one random worksheet is drawn from.
struct RandomSheetRequest
{
    QStringList tables;         // the chosen tables, at least one
    QStringList multiplicators; // the usable multiplicators
    OperatorKind operation = OperatorKind::Multiply;
    bool crossed = false;
    QString languageCode;
};

// Draws the 72 operations of a random worksheet from the program's one
// random generator. The previous table and multiplicator carry over from one
// operation to the next, across columns and from one worksheet to the next,
// so that no two operations in a row share a table or a multiplicator.
class RandomSheetGenerator
{
public:
    static constexpr int Columns = 3;
    static constexpr int OperationsPerColumn = 24;
    static constexpr int LinesPerColumn = 50;

    using Sheet = std::array<QStringList, Columns>;

    // Each column: 12 operations, three blank lines, 12 more; every operation
    // is followed by a line holding a single space.
    Sheet make(const RandomSheetRequest &request);
    // The same columns drawn from these facts, each as the fact stands (a
    // division stays one), never the same fact twice in a row.
    Sheet make(const QList<Fact> &facts, const QString &languageCode);

    // ":" in French, "÷" in every other language.
    static QString divisionSign(const QString &languageCode);

private:
    template<typename Next>
    static Sheet layOut(Next next);
    QString nextOperation(const RandomSheetRequest &request);

    quint8 m_previousMultiplicator = 0;
    quint8 m_previousTable = 0;
    bool m_dividing = false; // the current sign is the division sign
    int m_previousFact = 0;
};
