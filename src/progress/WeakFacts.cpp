#include "WeakFacts.h"

#include <algorithm>

namespace WeakFacts {

QList<Fact> select(const ProgressModel &model)
{
    QList<Fact> weak;
    for (int index = 0; index < Fact::Count; ++index) {
        const Fact fact = Fact::fromIndex(index);
        const MasteryState state = model.record(fact).state;
        if (state == MasteryState::Shaky || state == MasteryState::Learning)
            weak.append(fact);
    }
    std::ranges::stable_sort(weak, [&model](const Fact &a, const Fact &b) {
        const FactRecord &first = model.record(a);
        const FactRecord &second = model.record(b);
        if (first.lastError != second.lastError)
            return first.lastError > second.lastError;
        return first.lastAttempt > second.lastAttempt;
    });
    return weak;
}

QList<Fact> family(const Fact &fact)
{
    const int a = fact.table;
    const int b = fact.multiplicator;
    QList<Fact> members;
    for (const Fact &member : {Fact{a, b, FactSign::Multiply}, Fact{b, a, FactSign::Multiply},
                               Fact{a, b, FactSign::Divide}, Fact{b, a, FactSign::Divide}})
        if (!members.contains(member))
            members.append(member);
    // The fact itself leads its family.
    members.move(members.indexOf(fact), 0);
    return members;
}

QList<Fact> withFamilies(const QList<Fact> &weak)
{
    QList<Fact> facts;
    for (const Fact &fact : weak)
        for (const Fact &member : family(fact))
            if (!facts.contains(member))
                facts.append(member);
    return facts;
}

QList<Fact> drill(const ProgressModel &model, int max)
{
    QList<Fact> operations;
    for (const Fact &fact : select(model)) {
        QList<Fact> added;
        for (const Fact &member : family(fact))
            if (!operations.contains(member))
                added.append(member);
        if (operations.size() + added.size() <= max)
            operations += added;
        if (operations.size() == max)
            break;
    }
    return operations;
}

QString recordLine(const Fact &fact, const QString &divisionSign)
{
    if (fact.sign == FactSign::Multiply)
        return QString::number(fact.multiplicator) + u'x' + QString::number(fact.table);
    return QString::number(fact.product()) + divisionSign + QString::number(fact.table);
}

QStringList recordLines(const QList<Fact> &facts, const QString &divisionSign)
{
    QStringList lines;
    for (const Fact &fact : facts)
        lines << recordLine(fact, divisionSign);
    return lines;
}

} // namespace WeakFacts
