#pragma once

#include <QComboBox>

// A drop-down list that tells when it is about to open, before the pupil
// sees its entries.
class DropDownList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void droppingDown();
};
