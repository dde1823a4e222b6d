#include "DailyChart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor BarColour(120, 160, 215);
const QColor LineColour(200, 60, 40);

int percentRight(const DayTotal &day)
{
    return day.answers == 0 ? 0 : qRound(100.0 * day.rights / day.answers);
}

} // namespace

DailyChart::DailyChart(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void DailyChart::setDays(const QList<DayTotal> &days)
{
    m_days = days;
    update();
}

void DailyChart::setTexts(const QString &dayTip, const QLocale &locale)
{
    m_dayTip = dayTip;
    m_locale = locale;
    update();
}

QString DailyChart::dayTip(const DayTotal &day) const
{
    if (m_dayTip.isEmpty())
        return {};
    return m_dayTip.arg(m_locale.toString(day.date, QLocale::ShortFormat))
        .arg(day.answers)
        .arg(percentRight(day));
}

QSize DailyChart::sizeHint() const
{
    return {DailyTotals::Days * 10 + 8 * fontMetrics().height(), 9 * fontMetrics().height()};
}

// Room for the answer numbers on the left, "100 %" on the right and the dates below.
QRectF DailyChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const qreal left = metrics.horizontalAdvance(u"0000"_s) + 6;
    const qreal right = metrics.horizontalAdvance(u"100 %"_s) + 6;
    const qreal top = metrics.height() / 2.0;
    return QRectF(left, top, width() - left - right, height() - top - metrics.height() * 1.5);
}

int DailyChart::mostAnswers() const
{
    int most = 1;
    for (const DayTotal &day : m_days)
        most = std::max(most, day.answers);
    return most;
}

QRectF DailyChart::barRect(int day, int mostAnswers) const
{
    const QRectF plot = plotArea();
    const qreal step = plot.width() / std::max<qsizetype>(1, m_days.size());
    const qreal height = plot.height() * m_days[day].answers / mostAnswers;
    return QRectF(plot.left() + day * step + step * 0.15, plot.bottom() - height, step * 0.7, height);
}

void DailyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotArea();
    const QColor text = palette().color(QPalette::WindowText);
    painter.fillRect(plot, palette().color(QPalette::Base));
    painter.setPen(QColor(180, 180, 180));
    painter.drawRect(plot);
    if (m_days.isEmpty())
        return;

    const int most = mostAnswers();
    const qreal step = plot.width() / m_days.size();
    QPolygonF accuracy;
    for (int day = 0; day < m_days.size(); ++day) {
        painter.fillRect(barRect(day, most), BarColour);
        if (m_days[day].answers == 0)
            continue;
        const QPointF point(plot.left() + (day + 0.5) * step,
                            plot.bottom() - plot.height() * percentRight(m_days[day]) / 100.0);
        accuracy << point;
        painter.setPen(Qt::NoPen);
        painter.setBrush(LineColour);
        painter.drawEllipse(point, 2.5, 2.5);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(LineColour, 1.5));
    painter.drawPolyline(accuracy);

    const qreal lineHeight = fontMetrics().height();
    painter.setPen(text);
    painter.drawText(QRectF(0, plot.top() - lineHeight / 2, plot.left() - 4, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    painter.drawText(QRectF(0, plot.bottom() - lineHeight / 2, plot.left() - 4, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, u"0"_s);
    painter.setPen(LineColour);
    painter.drawText(QRectF(plot.right() + 4, plot.top() - lineHeight / 2, width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, u"100 %"_s);
    // The first day of each week.
    painter.setPen(text);
    for (int day = 0; day < m_days.size(); day += 7)
        painter.drawText(QRectF(plot.left() + day * step, plot.bottom() + 2, 7 * step, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop, m_locale.toString(m_days[day].date, u"d MMM"));
}

bool DailyChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QRectF plot = plotArea();
    const qreal step = plot.width() / std::max<qsizetype>(1, m_days.size());
    const int day = int((help->pos().x() - plot.left()) / step);
    if (plot.contains(help->pos()) && day >= 0 && day < m_days.size())
        QToolTip::showText(help->globalPos(), dayTip(m_days[day]), this);
    else
        QToolTip::hideText();
    return true;
}
