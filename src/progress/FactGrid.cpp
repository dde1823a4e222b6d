#include "FactGrid.h"

#include "ProgressModel.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

FactGrid::FactGrid(FactSign sign, QWidget *parent)
    : QWidget(parent)
    , m_sign(sign)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void FactGrid::setModel(const ProgressModel *model)
{
    m_model = model;
    setAccessibleDescription(cellTip(currentFact()));
    update();
}

void FactGrid::setTexts(const Texts &texts)
{
    m_texts = texts;
    setAccessibleDescription(cellTip(currentFact()));
    update();
}

Fact FactGrid::factAt(int row, int column) const
{
    return {row, column, m_sign};
}

QString FactGrid::cellTip(const Fact &fact) const
{
    const QString name = fact.text(m_texts.divisionSign.isEmpty() ? QChar(u':') : m_texts.divisionSign.at(0));
    if (m_texts.cellTip.isEmpty() || m_texts.notSeenTip.isEmpty()) // no language file
        return name;
    if (!m_model || m_model->record(fact).state == MasteryState::NotSeen)
        return m_texts.notSeenTip.arg(name);
    const FactRecord &record = m_model->record(fact);
    return m_texts.cellTip.arg(name, m_texts.states[size_t(record.state)])
        .arg(record.attempts)
        .arg(record.rights)
        .arg(m_texts.locale.toString(record.medianMilliseconds / 1000.0, 'f', 1));
}

int FactGrid::cellSize() const
{
    return fontMetrics().height() + 8;
}

QRect FactGrid::cellRect(int row, int column) const
{
    const int size = cellSize();
    return {column * size, row * size, size, size};
}

QSize FactGrid::sizeHint() const
{
    const int side = (Fact::Side + 1) * cellSize() + 1;
    return {side, side};
}

std::optional<QPoint> FactGrid::cellAt(const QPoint &point) const
{
    const int column = point.x() / cellSize();
    const int row = point.y() / cellSize();
    if (point.x() < 0 || point.y() < 0 || row < 1 || column < 1 || row > Fact::Side
        || column > Fact::Side)
        return std::nullopt;
    return QPoint(column, row);
}

void FactGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 1; i <= Fact::Side; ++i) {
        painter.drawText(cellRect(0, i), Qt::AlignCenter, QString::number(i));
        painter.drawText(cellRect(i, 0), Qt::AlignCenter, QString::number(i));
    }
    for (int row = 1; row <= Fact::Side; ++row) {
        for (int column = 1; column <= Fact::Side; ++column) {
            const MasteryState state = m_model ? m_model->record(factAt(row, column)).state
                                               : MasteryState::NotSeen;
            const QRect cell = cellRect(row, column);
            painter.fillRect(cell, MasteryLook::fill(state));
            painter.setPen(QColor(160, 160, 160));
            painter.drawRect(cell);
            MasteryLook::drawSymbol(painter, cell, state);
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(m_row, m_column).adjusted(1, 1, -1, -1));
    }
}

bool FactGrid::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    if (const auto cell = cellAt(help->pos()))
        QToolTip::showText(help->globalPos(), cellTip(factAt(cell->y(), cell->x())), this,
                           cellRect(cell->y(), cell->x()));
    else
        QToolTip::hideText();
    return true;
}

void FactGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(m_row, m_column - 1);
        break;
    case Qt::Key_Right:
        moveTo(m_row, m_column + 1);
        break;
    case Qt::Key_Up:
        moveTo(m_row - 1, m_column);
        break;
    case Qt::Key_Down:
        moveTo(m_row + 1, m_column);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FactGrid::mousePressEvent(QMouseEvent *event)
{
    if (const auto cell = cellAt(event->position().toPoint())) {
        setFocus(Qt::MouseFocusReason);
        moveTo(cell->y(), cell->x());
    }
}

// The tip shows when the pupil brings the focus here, not when the window
// gives it on opening.
void FactGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        showCurrentTip();
    update();
}

void FactGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void FactGrid::moveTo(int row, int column)
{
    m_row = std::clamp(row, 1, int(Fact::Side));
    m_column = std::clamp(column, 1, int(Fact::Side));
    showCurrentTip();
    update();
}

// The tip of the focused cell, shown beside it and told to screen readers.
void FactGrid::showCurrentTip()
{
    const QString tip = cellTip(currentFact());
    setAccessibleDescription(tip);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    const QRect cell = cellRect(m_row, m_column);
    QToolTip::showText(mapToGlobal(cell.bottomRight()), tip, this, cell);
}
