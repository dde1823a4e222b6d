#include "DropDownList.h"

void DropDownList::showPopup()
{
    emit droppingDown();
    QComboBox::showPopup();
}
