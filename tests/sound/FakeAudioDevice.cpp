#include "FakeAudioDevice.h"

#include "AudioSystem.h"

#include <QFile>

namespace {

class FakeClip : public AudioClip
{
public:
    FakeClip(QStringList &log, const QString &name)
        : m_log(log)
        , m_name(name)
    {
    }
    ~FakeClip() override { m_log << QStringLiteral("close ") + m_name; }

    void playToEnd() override { m_log << QStringLiteral("play ") + m_name; }
    void play() override { m_log << QStringLiteral("start ") + m_name; }
    void stop() override { m_log << QStringLiteral("stop ") + m_name; }

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
        errorText = QStringLiteral("System error : No such file or directory.");
        log << QStringLiteral("fail ") + name;
        return nullptr;
    }
    if (!file.read(4).startsWith("RIFF")) {
        errorText = QStringLiteral("Format not recognised.");
        log << QStringLiteral("fail ") + name;
        return nullptr;
    }
    log << QStringLiteral("open ") + name;
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
    return withPrefix(QStringLiteral("play "));
}

QStringList FakeAudioDevice::opened() const
{
    return withPrefix(QStringLiteral("open "));
}
