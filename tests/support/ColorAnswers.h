#pragma once

#include <QList>

#include <optional>

// Answers every colour chooser while it lives with the next of the given
// answers (a colour, or nothing for a cancel) and records the colour each
// chooser opened on.
class ColorAnswers
{
public:
    explicit ColorAnswers(QList<std::optional<int>> answers = {});
    ~ColorAnswers();

    QList<std::optional<int>> answers;
    QList<int> openedOn;
};
