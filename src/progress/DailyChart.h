#pragma once

#include "DailyTotals.h"

#include <QLocale>
#include <QWidget>

// Answers per day as bars and the share of right answers as a line, over the
// last eight weeks. Pointing at a day tells its figures.
class DailyChart : public QWidget
{
    Q_OBJECT

public:
    explicit DailyChart(QWidget *parent);

    void setDays(const QList<DayTotal> &days);
    // dayTip: %1 the date, %2 answers, %3 percent right.
    void setTexts(const QString &dayTip, const QLocale &locale);

    QString dayTip(const DayTotal &day) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRectF plotArea() const;
    QRectF barRect(int day, int mostAnswers) const;
    int mostAnswers() const;

    QList<DayTotal> m_days;
    QString m_dayTip;
    QLocale m_locale;
};
