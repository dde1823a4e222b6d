#include "FakeAudioDevice.h"

#include "AudioSystem.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

class FakeClip : public AudioClip
{
public:
    FakeClip(QStringList &log, const QString &name)
        : m_log(log)
        , m_name(name)
    {
    }
    ~FakeClip() override { m_log << u"close "_s + m_name; }

    void playToEnd() override { m_log << u"play "_s + m_name; }
    void play() override { m_log << u"start "_s + m_name; }
    void stop() override { m_log << u"stop "_s + m_name; }

private:
    QStringList &m_log;
    QString m_name;
};

} // namespace

FakeAudioDevice::FakeAudioDevice(const QString &folder)
    : m_folder(folder)
{
    AudioSystem::install(this);
}

FakeAudioDevice::~FakeAudioDevice()
{
    AudioSystem::install(nullptr);
}

QByteArray FakeAudioDevice::sound()
{
    return QByteArrayLiteral("RIFF fake sound");
}

std::unique_ptr<AudioClip> FakeAudioDevice::open(const QString &path, QString &errorText)
{
    const QString name = !m_folder.isEmpty() && path.startsWith(m_folder) ? path.mid(m_folder.size()) : path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = u"System error : No such file or directory."_s;
        log << u"fail "_s + name;
        return nullptr;
    }
    if (!file.read(4).startsWith("RIFF")) {
        errorText = u"Format not recognised."_s;
        log << u"fail "_s + name;
        return nullptr;
    }
    log << u"open "_s + name;
    return std::make_unique<FakeClip>(log, name);
}

int FakeAudioDevice::outputDeviceCount()
{
    return outputs;
}

QStringList FakeAudioDevice::withPrefix(const QString &prefix) const
{
    QStringList names;
    for (const QString &line : log) {
        if (line.startsWith(prefix))
            names << line.mid(prefix.size());
    }
    return names;
}

QStringList FakeAudioDevice::played() const
{
    return withPrefix(u"play "_s);
}

QStringList FakeAudioDevice::opened() const
{
    return withPrefix(u"open "_s);
}
