#include "WeakFactSheet.h"

#include "ProgressModel.h"
#include "WeakFacts.h"

namespace WeakFactSheet {

std::optional<QList<Fact>> facts(const QList<Answer> &answers, QDate today)
{
    const QList<Fact> weak = WeakFacts::select(ProgressModel(answers, today));
    if (weak.size() < MinWeakFacts)
        return std::nullopt;
    return WeakFacts::withFamilies(weak);
}

} // namespace WeakFactSheet
