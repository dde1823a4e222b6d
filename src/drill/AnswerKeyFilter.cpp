#include "AnswerKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

AnswerKeyFilter::AnswerKeyFilter(QLineEdit *answer)
    : QObject(answer)
    , m_answer(answer)
{
    // Only keys reach the box: no composing input, no menu, no drop.
    answer->setAttribute(Qt::WA_InputMethodEnabled, false);
    answer->setContextMenuPolicy(Qt::NoContextMenu);
    answer->setAcceptDrops(false);
    answer->installEventFilter(this);
}

bool AnswerKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_answer)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return !AnsKeyPress(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection of other programs.
        return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

// True when the key may reach the box.
bool AnswerKeyFilter::AnsKeyPress(const QKeyEvent *key) const
{
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut))
        return false;
    const QString typed = key->text();
    if (key->key() == Qt::Key_Backspace || typed.isEmpty() || !typed.front().isPrint())
        return true;
    const bool digit = typed.size() == 1 && typed.front() >= u'0' && typed.front() <= u'9';
    const qsizetype kept = m_answer->text().size() - m_answer->selectedText().size();
    return digit && kept < MaxTyped;
}
