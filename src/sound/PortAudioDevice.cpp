#include "PortAudioDevice.h"

#include <QFile>

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <portaudio.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}

// Runs an action with the standard error stream sent to /dev/null: the sound
// libraries print their probing of absent servers and cards there.
template<typename Action>
auto withoutStandardError(Action action)
{
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) {
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    auto result = action();
    std::fflush(stderr);
    if (saved >= 0) {
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    return result;
}

class PortAudioClip : public AudioClip
{
public:
    PortAudioClip(PortAudioDevice &device, SNDFILE *file, const SF_INFO &info)
        : m_device(device)
        , m_file(file)
        , m_info(info)
    {
    }

    ~PortAudioClip() override
    {
        stop();
        sf_close(m_file);
    }

    void playToEnd() override
    {
        stop();
        m_stopping = false;
        render();
    }

    void play() override
    {
        stop();
        m_stopping = false;
        m_thread = std::thread([this] { render(); });
    }

    void stop() override
    {
        m_stopping = true;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    // Errors after a successful open are not reported: the sound stays silent.
    void render()
    {
        if (!m_device.start())
            return;
        sf_seek(m_file, 0, SEEK_SET);
        const int fileChannels = std::max(m_info.channels, 1);
        const int channels = std::min(fileChannels, 2);
        PaStream *stream = nullptr;
        if (Pa_OpenDefaultStream(&stream, 0, channels, paFloat32, m_info.samplerate,
                                 paFramesPerBufferUnspecified, nullptr, nullptr)
            != paNoError)
            return;
        if (Pa_StartStream(stream) != paNoError) {
            Pa_CloseStream(stream);
            return;
        }
        constexpr sf_count_t BlockFrames = 1024;
        std::vector<float> block(size_t(BlockFrames * fileChannels));
        std::vector<float> output(size_t(BlockFrames * channels));
        sf_count_t frames = 0;
        while (!m_stopping && (frames = sf_readf_float(m_file, block.data(), BlockFrames)) > 0) {
            for (sf_count_t frame = 0; frame < frames; ++frame) {
                for (int channel = 0; channel < channels; ++channel)
                    output[size_t(frame * channels + channel)] = block[size_t(frame * fileChannels + channel)];
            }
            if (Pa_WriteStream(stream, output.data(), static_cast<unsigned long>(frames)) != paNoError
                && Pa_IsStreamActive(stream) != 1)
                break;
        }
        if (m_stopping)
            Pa_AbortStream(stream);
        else
            Pa_StopStream(stream); // waits until the last block has sounded
        Pa_CloseStream(stream);
    }

    PortAudioDevice &m_device;
    SNDFILE *m_file;
    SF_INFO m_info;
    std::thread m_thread;
    std::atomic<bool> m_stopping = false;
};

} // namespace

PortAudioDevice::~PortAudioDevice()
{
    if (m_started)
        withoutStandardError([] { return Pa_Terminate(); });
}

bool PortAudioDevice::start()
{
    if (m_tried)
        return m_started;
    m_tried = true;
    // Never start a JACK server just to look for an output.
    ::setenv("JACK_NO_START_SERVER", "1", 0);
    snd_lib_error_set_handler(&ignoreAlsaError);
    m_started = withoutStandardError([] { return Pa_Initialize(); }) == paNoError;
    return m_started;
}

std::unique_ptr<AudioClip> PortAudioDevice::open(const QString &path, QString &errorText)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        errorText = QString::fromLocal8Bit(sf_strerror(nullptr));
        return nullptr;
    }
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file);
        errorText = u"The file holds no sound"_s;
        return nullptr;
    }
    // Started here, on the caller's thread, never first from a background play.
    start();
    return std::make_unique<PortAudioClip>(*this, file, info);
}

int PortAudioDevice::outputDeviceCount()
{
    if (!start())
        return 0;
    int outputs = 0;
    const int count = Pa_GetDeviceCount();
    for (int index = 0; index < count; ++index) {
        const PaDeviceInfo *info = Pa_GetDeviceInfo(index);
        if (info && info->maxOutputChannels > 0)
            ++outputs;
    }
    return outputs;
}
