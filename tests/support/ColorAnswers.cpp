#include "ColorAnswers.h"

#include "ColorChooser.h"

ColorAnswers::ColorAnswers(QList<std::optional<int>> given)
    : answers(std::move(given))
{
    ColorChooser::setHandler([this](int initial) -> std::optional<int> {
        openedOn << initial;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    });
}

ColorAnswers::~ColorAnswers()
{
    ColorChooser::setHandler({});
}
