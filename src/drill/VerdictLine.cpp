#include "VerdictLine.h"

#include "ColorValue.h"
#include "ControlNames.h"
#include "DrillIcons.h"

#include <QLabel>

namespace {

int colourOf(VerdictLine::State state)
{
    switch (state) {
    case VerdictLine::State::Right:
        return 32768; // green
    case VerdictLine::State::Wrong:
        return 255; // red
    case VerdictLine::State::Waiting:
        break;
    }
    return 8421504; // grey
}

} // namespace

VerdictLine::VerdictLine(QLabel *line, QLabel *picture)
    : m_line(line)
    , m_picture(picture)
    , m_rightMark(DrillIcons::checkMark(22))
    , m_wrongMark(DrillIcons::cross(22))
{
    paint();
}

void VerdictLine::show(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    paint();
}

void VerdictLine::paint()
{
    QPalette palette = m_line->palette();
    palette.setColor(QPalette::WindowText, ColorValue::toColor(colourOf(m_state)));
    m_line->setPalette(palette);
    m_picture->setVisible(m_state != State::Waiting);
    m_picture->setPixmap(m_state == State::Right ? m_rightMark : m_wrongMark);
    namePicture();
}

void VerdictLine::setNames(const QString &right, const QString &wrong)
{
    m_rightName = right;
    m_wrongName = wrong;
    namePicture();
}

void VerdictLine::namePicture()
{
    ControlNames::namePicture(m_picture, m_state == State::Right ? m_rightName : m_wrongName);
}
