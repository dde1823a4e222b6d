#include "ColorDialog.h"

#include "ColorChooser.h"

std::optional<int> ColorDialog::Execute()
{
    const std::optional<int> chosen = ColorChooser::choose(Color);
    if (chosen)
        Color = *chosen;
    return chosen;
}
