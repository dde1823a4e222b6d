// Plays sounds through the real stack (the audio module as the program loads
// it, libsndfile, PortAudio, ALSA) into ALSA's file plugin: a temporary HOME
// whose .asoundrc makes the default output a raw file over the null device,
// so no sound card is touched.

#include "LoadedAudioDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

class tst_PortAudioDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsEveryFrameIntoTheDefaultOutput_data();
    void playsEveryFrameIntoTheDefaultOutput();
    void playingAgainStartsFromTheBeginning();
    void backgroundPlayDeliversTheWholeSound();
    void unplayableFilesFailToOpenWithTheLibrarysText_data();
    void unplayableFilesFailToOpenWithTheLibrarysText();
    void withoutTheModuleThereIsNoOutput();

private:
    QString writeTone(const QString &name, int format, int frames);
    QByteArray takeOutput();

    QTemporaryDir m_home;
    QString m_output;
    LoadedAudioDevice m_device{QString::fromUtf8(NUMERILLO_AUDIO_MODULE)};
};

QString tst_PortAudioDevice::writeTone(const QString &name, int format, int frames)
{
    const QString path = m_home.filePath(name);
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return {};
    std::vector<float> samples(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        samples[size_t(i)] = 0.5f * float(std::sin(i * 2 * M_PI * 440 / 22050));
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    return path;
}

QByteArray tst_PortAudioDevice::takeOutput()
{
    QFile file(m_output);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    QFile::resize(m_output, 0);
    return bytes;
}

void tst_PortAudioDevice::initTestCase()
{
    QVERIFY(m_home.isValid());
    m_output = m_home.filePath(u"out.raw"_s);
    QFile config(m_home.filePath(u".asoundrc"_s));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(u"pcm.!default {\n"
                                "    type file\n"
                                "    slave.pcm \"null\"\n"
                                "    file \"%1\"\n"
                                "    format \"raw\"\n"
                                "}\n"_s
                     .arg(m_output)
                     .toUtf8());
    config.close();
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
    QVERIFY(m_device.outputDeviceCount() > 0);
}

void tst_PortAudioDevice::playsEveryFrameIntoTheDefaultOutput_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("wav") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    QTest::newRow("mp3") << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
}

void tst_PortAudioDevice::playsEveryFrameIntoTheDefaultOutput()
{
    QFETCH(int, format);
    const int frames = 22050 / 4;
    const QString path = writeTone(u"tone.%1"_s.arg(QTest::currentDataTag()), format, frames);
    QVERIFY(!path.isEmpty());
    takeOutput();

    QString error;
    auto clip = m_device.open(path, error);
    QVERIFY2(clip, qPrintable(error));
    clip->playToEnd();
    clip.reset();

    // The output stream is mono 32-bit float: every decoded frame arrives,
    // and it is the tone, not silence.
    const QByteArray bytes = takeOutput();
    const qsizetype count = bytes.size() / qsizetype(sizeof(float));
    QVERIFY2(count >= frames, qPrintable(QString::number(count)));
    const auto *samples = reinterpret_cast<const float *>(bytes.constData());
    float peak = 0;
    for (qsizetype i = 0; i < count; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    QVERIFY2(peak > 0.3f && peak <= 1.0f, qPrintable(QString::number(peak)));
}

void tst_PortAudioDevice::playingAgainStartsFromTheBeginning()
{
    const int frames = 22050 / 10;
    const QString path = writeTone(u"again.wav"_s, SF_FORMAT_WAV | SF_FORMAT_PCM_16, frames);
    QString error;
    auto clip = m_device.open(path, error);
    QVERIFY(clip);
    takeOutput();
    clip->playToEnd();
    const qsizetype once = takeOutput().size();
    clip->playToEnd();
    QCOMPARE(takeOutput().size(), once);
}

void tst_PortAudioDevice::backgroundPlayDeliversTheWholeSound()
{
    // The null device takes samples as fast as they come, so the sound is
    // complete soon after play has returned.
    const int frames = 22050;
    const QString path = writeTone(u"background.wav"_s, SF_FORMAT_WAV | SF_FORMAT_PCM_16, frames);
    QString error;
    auto clip = m_device.open(path, error);
    QVERIFY(clip);
    takeOutput();
    clip->play();
    QTRY_VERIFY(QFileInfo(m_output).size() >= qint64(frames * sizeof(float)));
    clip->stop();
    clip.reset();
}

void tst_PortAudioDevice::unplayableFilesFailToOpenWithTheLibrarysText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("appdir\\sounds\\ring.wav\r\n");
    QTest::newRow("truncated header") << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
}

void tst_PortAudioDevice::unplayableFilesFailToOpenWithTheLibrarysText()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_home.filePath(u"bad.wav"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QString error;
    QVERIFY(!m_device.open(path, error));
    QVERIFY(!error.isEmpty());

    error.clear();
    QVERIFY(!m_device.open(m_home.filePath(u"absent.wav"_s), error));
    QVERIFY(!error.isEmpty());
}

void tst_PortAudioDevice::withoutTheModuleThereIsNoOutput()
{
    LoadedAudioDevice missing(m_home.filePath(u"numerillo-audio"_s));
    QCOMPARE(missing.outputDeviceCount(), 0);
    QString error;
    QVERIFY(!missing.open(QFINDTESTDATA("tst_PortAudioDevice.cpp"), error));
    QVERIFY(error.contains(u"numerillo-audio"_s));
}

QTEST_GUILESS_MAIN(tst_PortAudioDevice)
#include "tst_PortAudioDevice.moc"
