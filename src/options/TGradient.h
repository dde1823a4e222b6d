#pragma once

#include "GradientSpec.h"
#include "GradientTable.h"

#include <QWidget>

// A background that runs from a start colour to an end colour, optionally
// through a middle colour, top to bottom or left to right, in 512 bands.
class TGradient : public QWidget
{
    Q_OBJECT

public:
    explicit TGradient(QWidget *parent = nullptr);

    const GradientSpec &spec() const { return m_spec; }
    const GradientTable &table() const { return m_table; }

    void setStartColor(int color);
    void setMiddleColor(int color);
    void setEndColor(int color);
    void setOrientation(GradientSpec::Orientation orientation);
    void setDoubleGradient(bool on);
    void setFlipped(bool on);

    // Sets the six values in the order start, middle, end, double gradient,
    // orientation, flipped.
    void setSpec(const GradientSpec &spec);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template<typename T>
    void change(T &field, T value);

    GradientSpec m_spec;
    GradientTable m_table{m_spec};
};
