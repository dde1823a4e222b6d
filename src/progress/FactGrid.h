#pragma once

#include "Fact.h"
#include "MasteryLook.h"

#include <QLocale>
#include <QWidget>

#include <array>

class ProgressModel;

// One 12 x 12 grid of facts, tables down and multiplicators across, each
// cell in the colour and with the symbol of its mastery. Pointing at a cell,
// or moving the focus onto it with the arrow keys, tells its answers.
class FactGrid : public QWidget
{
    Q_OBJECT

public:
    struct Texts
    {
        QString cellTip;    // %1 the fact, %2 its state, %3 tries, %4 right, %5 seconds
        QString notSeenTip; // %1 the fact
        std::array<QString, MasteryLook::StateCount> states;
        QString divisionSign;
        QLocale locale;
    };

    FactGrid(FactSign sign, QWidget *parent);

    void setModel(const ProgressModel *model);
    void setTexts(const Texts &texts);

    Fact currentFact() const { return factAt(m_row, m_column); }
    QString cellTip(const Fact &fact) const;
    // Row and column 0 are the headers; cells are 1 to 12.
    QRect cellRect(int row, int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Fact factAt(int row, int column) const;
    int cellSize() const;
    // The cell of a point, row and column from 1; none outside the cells.
    std::optional<QPoint> cellAt(const QPoint &point) const;
    void moveTo(int row, int column);
    void showCurrentTip();

    FactSign m_sign;
    const ProgressModel *m_model = nullptr;
    Texts m_texts;
    int m_row = 1;
    int m_column = 1;
};
