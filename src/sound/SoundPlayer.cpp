#include "SoundPlayer.h"

#include "AudioDevice.h"
#include "AudioSystem.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool SoundPlayer::open()
{
    close();
    m_errorText.clear();
    const QFileInfo info(FileName);
    if (FileName.isEmpty()) {
        m_errorText = u"No sound file given"_s;
        return false;
    }
    if (info.exists() && !info.isFile()) {
        m_errorText = u"%1 is not a sound file"_s.arg(QDir::toNativeSeparators(FileName));
        return false;
    }
    m_clip = AudioSystem::device().open(FileName, m_errorText);
    return m_clip != nullptr;
}

void SoundPlayer::close()
{
    m_clip.reset();
}

void SoundPlayer::playToEnd()
{
    if (m_clip)
        m_clip->playToEnd();
}

void SoundPlayer::play()
{
    if (m_clip)
        m_clip->play();
}

void SoundPlayer::stop()
{
    if (m_clip)
        m_clip->stop();
}

bool SoundPlayer::playFileToEnd(const QString &path)
{
    FileName = path;
    if (!open())
        return false;
    playToEnd();
    close();
    return true;
}
