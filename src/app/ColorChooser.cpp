#include "ColorChooser.h"

#include "ColorValue.h"

#include <QApplication>
#include <QColorDialog>

namespace {

ColorChooser::Handler &handler()
{
    static ColorChooser::Handler current;
    return current;
}

} // namespace

namespace ColorChooser {

std::optional<int> choose(int initial)
{
    if (handler())
        return handler()(initial);
    const QColor chosen = QColorDialog::getColor(ColorValue::toColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return ColorValue::fromColor(chosen);
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace ColorChooser
