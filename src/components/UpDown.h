#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons that step a whole number between two bounds and
// show it in a read-only box beside them.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget *parent = nullptr);

    void setBuddy(QLineEdit *edit);
    void setRange(int minimum, int maximum);
    void setSingleStep(int step);
    // What the arrows say to a screen reader and under the pointer.
    void setButtonNames(const QString &up, const QString &down);

    int value() const { return m_value; }
    void setValue(int value);

    void stepUp() { setValue(m_value + m_step); }
    void stepDown() { setValue(m_value - m_step); }

signals:
    void valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
    QLineEdit *m_buddy = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_step = 1;
    int m_value = 0;
};
