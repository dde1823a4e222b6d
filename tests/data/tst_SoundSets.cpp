// Checks the delivered sound sets: their lists, and that every sound they name
// can be opened by the program's decoder, is short, and is neither silent nor
// clipped. Reads the repository's data/ folder, never writes it.

#include "SoundEntry.h"
#include "TextLines.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString DataDir = QString::fromUtf8(NUMERILLO_SOURCE_DIR "/data/");
constexpr int SetCount = 5;
constexpr int EventCount = 8;
constexpr int TitleMaxLength = 10;

struct SoundFacts
{
    bool opened = false;
    QString error;
    int sampleRate = 0;
    double seconds = 0;
    double peak = 0;
    bool mpeg = false;
};

SoundFacts inspect(const QString &path)
{
    SoundFacts facts;
    SF_INFO info{};
    const QByteArray name = QFile::encodeName(path);
    std::unique_ptr<SNDFILE, decltype(&sf_close)> file(sf_open(name.constData(), SFM_READ, &info), &sf_close);
    if (!file) {
        facts.error = QString::fromLocal8Bit(sf_strerror(nullptr));
        return facts;
    }
    facts.opened = true;
    facts.sampleRate = info.samplerate;
    facts.seconds = info.samplerate > 0 ? double(info.frames) / info.samplerate : 0;
    facts.mpeg = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG;
    std::vector<float> block(4096 * std::max(info.channels, 1));
    sf_count_t got = 0;
    while ((got = sf_readf_float(file.get(), block.data(), 4096)) > 0) {
        for (sf_count_t i = 0; i < got * info.channels; ++i)
            facts.peak = std::max(facts.peak, double(std::fabs(block[size_t(i)])));
    }
    return facts;
}

double decibels(double amplitude)
{
    return amplitude > 0 ? 20 * std::log10(amplitude) : -200;
}

// Every line of a delivered list ends with CR LF, the last one included.
bool endsEveryLineWithCrLf(const QByteArray &bytes)
{
    if (!bytes.endsWith("\r\n"))
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return true;
}

QByteArray rawBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_SoundSets : public QObject
{
    Q_OBJECT

private slots:
    void titleListHasSilenceAndFiveShortTitles();
    void soundSet_data();
    void soundSet();
    void defaultSoundIsPlayable();
    void someSetIsInMp3();
};

void tst_SoundSets::titleListHasSilenceAndFiveShortTitles()
{
    const QString path = DataDir + "sys/SoundStr.txt";
    QVERIFY2(endsEveryLineWithCrLf(rawBytes(path)), qPrintable(path));
    const auto lines = TextLines::read(path);
    QVERIFY2(lines, qPrintable(path));
    QCOMPARE(lines->size(), 1 + SetCount);
    QCOMPARE(lines->first(), u"Silence..."_s);
    QSet<QString> seen;
    for (int n = 1; n <= SetCount; ++n) {
        const QString title = lines->at(n);
        QVERIFY2(!title.trimmed().isEmpty(), qPrintable(QString("set %1 has no title").arg(n)));
        QVERIFY2(title.size() <= TitleMaxLength, qPrintable(title));
        QVERIFY2(!seen.contains(title), qPrintable("two sets are called " + title));
        seen.insert(title);
    }
}

void tst_SoundSets::soundSet_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= SetCount; ++n)
        QTest::addRow("Sound%d.txt", n) << n;
}

void tst_SoundSets::soundSet()
{
    QFETCH(int, number);
    const QString path = DataDir + QString("sys/Sound%1.txt").arg(number);
    QVERIFY2(endsEveryLineWithCrLf(rawBytes(path)), qPrintable(path));
    const auto entries = TextLines::read(path);
    QVERIFY2(entries, qPrintable(path));
    QCOMPARE(entries->size(), EventCount);
    QCOMPARE(QSet<QString>(entries->begin(), entries->end()).size(), EventCount); // one sound per event

    for (const QString &entry : *entries) {
        // Delivered sets must work wherever the program is installed.
        QVERIFY2(entry.startsWith(u"appdir\\"_s), qPrintable(entry));
        const SoundFacts sound = inspect(SoundEntry::resolve(DataDir, entry));
        QVERIFY2(sound.opened, qPrintable(entry + ": " + sound.error));
        QVERIFY2(sound.seconds > 0.1 && sound.seconds < 1.5,
                 qPrintable(QString("%1 lasts %2 s").arg(entry).arg(sound.seconds)));
        QVERIFY2(sound.sampleRate <= 44100, qPrintable(QString("%1 at %2 Hz").arg(entry).arg(sound.sampleRate)));
        const double peakDb = decibels(sound.peak);
        QVERIFY2(peakDb > -12 && peakDb < -1,
                 qPrintable(QString("%1 peaks at %2 dBFS (silent or clipped)").arg(entry).arg(peakDb)));
    }
}

void tst_SoundSets::defaultSoundIsPlayable()
{
    const SoundFacts sound = inspect(SoundEntry::resolve(DataDir, u"appdir\\default.wav"_s));
    QVERIFY2(sound.opened, qPrintable(sound.error));
    QVERIFY(!sound.mpeg);
    QVERIFY(sound.seconds > 0.1 && sound.seconds < 1.5);
    QVERIFY(decibels(sound.peak) > -12 && decibels(sound.peak) < -1);
}

void tst_SoundSets::someSetIsInMp3()
{
    // The sequence editor offers "*.wav;*.mp3": the delivered sets use both.
    bool foundMp3 = false;
    for (int n = 1; n <= SetCount && !foundMp3; ++n) {
        const auto entries = TextLines::read(DataDir + QString("sys/Sound%1.txt").arg(n));
        QVERIFY(entries);
        for (const QString &entry : *entries)
            foundMp3 = foundMp3 || inspect(SoundEntry::resolve(DataDir, entry)).mpeg;
    }
    QVERIFY(foundMp3);
}

QTEST_GUILESS_MAIN(tst_SoundSets)
#include "tst_SoundSets.moc"
