#include "SilentAudioDevice.h"

namespace {

class SilentClip : public AudioClip
{
public:
    void playToEnd() override {}
    void play() override {}
    void stop() override {}
};

} // namespace

std::unique_ptr<AudioClip> SilentAudioDevice::open(const QString &, QString &)
{
    return std::make_unique<SilentClip>();
}

int SilentAudioDevice::outputDeviceCount()
{
    return 1;
}
