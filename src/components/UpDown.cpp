#include "UpDown.h"

#include "ControlNames.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setObjectName(u"up"_s);
    m_down->setObjectName(u"down"_s);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *button : {m_up, m_down}) {
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(17);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setBuddy(QLineEdit *edit)
{
    m_buddy = edit;
    m_buddy->setReadOnly(true);
    m_buddy->setText(QString::number(m_value));
    m_buddy->installEventFilter(this);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    setValue(m_value);
}

void UpDown::setSingleStep(int step)
{
    m_step = step;
}

void UpDown::setButtonNames(const QString &up, const QString &down)
{
    ControlNames::namePicture(m_up, up);
    ControlNames::namePicture(m_down, down);
}

void UpDown::setValue(int value)
{
    value = std::clamp(value, m_minimum, m_maximum);
    if (m_buddy)
        m_buddy->setText(QString::number(value));
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(value);
}

// The arrow keys in the box step the value, as the buttons do.
bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? stepUp() : stepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
