#include "EventSounds.h"

#include "AppContext.h"
#include "AudioSystem.h"
#include "Messages.h"
#include "PathNames.h"
#include "TextExcerpt.h"

#include <QDir>

using namespace Qt::StringLiterals;

EventSounds::EventSounds(AppContext &context)
    : m_context(context)
{
}

bool EventSounds::loadSequence(int number)
{
    FileName = SoundSequence::filePath(m_context.AppDir, number);
    return reloadSequence();
}

bool EventSounds::reloadSequence()
{
    const std::optional<SoundSequence> loaded = SoundSequence::load(FileName);
    if (loaded)
        ListBox1 = *loaded;
    return loaded.has_value();
}

bool EventSounds::soundWorkSkipped() const
{
    return m_context.settings.Bouton == 0 || !AudioSystem::isInstalled();
}

bool EventSounds::playToEnd(SoundEvent event)
{
    if (soundWorkSkipped())
        return true;
    const int index = static_cast<int>(event) - 1;
    const QString path = ListBox1.resolved(index, m_context.AppDir);
    if (player.playFileToEnd(path))
        return true;
    if (event != SoundEvent::StartDrill)
        reportPlayFailure(path);
    return false;
}

void EventSounds::MakeSound(SoundEvent event)
{
    playToEnd(event);
}

// One message per run; the pupil is not interrupted at every answer.
void EventSounds::reportPlayFailure(const QString &path)
{
    if (m_playFailureReported)
        return;
    m_playFailureReported = true;
    Messages::show(u"Sound problem...\r\n%1\r\n%2"_s.arg(TextExcerpt::shortened(QDir::toNativeSeparators(path)),
                                                         player.errorText()));
}

void EventSounds::playDefaultSound()
{
    if (soundWorkSkipped())
        return;
    m_background.FileName = PathNames::findIgnoringCase(m_context.path(u"Default.wav"_s));
    if (m_background.open())
        m_background.play();
}
