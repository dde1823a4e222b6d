#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

// The verdict on the result line: green with a check mark beside it after a
// right answer, red with a cross after a wrong one, grey with no picture
// before the first. The picture tells the verdict without its colour.
class VerdictLine
{
public:
    enum class State { Waiting, Right, Wrong };

    VerdictLine(QLabel *line, QLabel *picture);

    void show(State state);

    // What a screen reader says for the check mark and the cross.
    void setNames(const QString &right, const QString &wrong);

private:
    void paint();
    void namePicture();

    QLabel *m_line;
    QLabel *m_picture;
    QPixmap m_rightMark;
    QPixmap m_wrongMark;
    QString m_rightName;
    QString m_wrongName;
    State m_state = State::Waiting;
};
