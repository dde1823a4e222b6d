#pragma once

#include "MasteryLook.h"

#include <QWidget>

#include <array>

// The five states with their colour, symbol and name, in one row.
class MasteryLegend : public QWidget
{
    Q_OBJECT

public:
    explicit MasteryLegend(QWidget *parent);

    void setNames(const std::array<QString, MasteryLook::StateCount> &names);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int swatchSize() const;

    std::array<QString, MasteryLook::StateCount> m_names;
};
