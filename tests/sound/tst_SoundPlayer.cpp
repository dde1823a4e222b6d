// The player between the windows and the audio device: what reaches the
// device, what is refused before it, and the play and stop buttons.

#include "AppDirFixture.h"
#include "AudioDevice.h"
#include "AudioSystem.h"
#include "FakeAudioDevice.h"
#include "MessageRecorder.h"
#include "SoundPlayer.h"
#include "TMediaPlayer.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void playsAFileToItsEnd();
    void reopeningClosesFirst();
    void reportsTheDevicesError_data();
    void reportsTheDevicesError();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void withoutAnInstalledDeviceEverythingIsSilent();
    void buttonsReopenAndPlayWithoutWaiting();
    void buttonReportsAFileThatCannotBeOpened();
};

void tst_SoundPlayer::playsAFileToItsEnd()
{
    AppDirFixture dir;
    dir.write(u"ring.wav"_s, FakeAudioDevice::sound());
    FakeAudioDevice device(dir.path());
    SoundPlayer player;
    QVERIFY(player.playFileToEnd(dir.path(u"ring.wav"_s)));
    QCOMPARE(device.log, (QStringList{"open ring.wav", "play ring.wav", "close ring.wav"}));
    QVERIFY(!player.isOpen());
}

void tst_SoundPlayer::reopeningClosesFirst()
{
    AppDirFixture dir;
    dir.write(u"a.wav"_s, FakeAudioDevice::sound());
    dir.write(u"b.wav"_s, FakeAudioDevice::sound());
    FakeAudioDevice device(dir.path());
    SoundPlayer player;
    player.FileName = dir.path(u"a.wav"_s);
    QVERIFY(player.open());
    player.play();
    player.FileName = dir.path(u"b.wav"_s);
    QVERIFY(player.open());
    player.stop();
    QCOMPARE(device.log, (QStringList{"open a.wav", "start a.wav", "close a.wav", "open b.wav", "stop b.wav"}));
}

void tst_SoundPlayer::reportsTheDevicesError_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("absent") << QByteArray() << "System error : No such file or directory.";
    QTest::newRow("not audio") << QByteArray("plain text") << "Format not recognised.";
}

void tst_SoundPlayer::reportsTheDevicesError()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    AppDirFixture dir;
    if (!bytes.isEmpty())
        dir.write(u"bad.wav"_s, bytes);
    FakeAudioDevice device(dir.path());
    SoundPlayer player;
    QVERIFY(!player.playFileToEnd(dir.path(u"bad.wav"_s)));
    QCOMPARE(player.errorText(), error);
    QCOMPARE(device.played(), QStringList());
}

void tst_SoundPlayer::refusesWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("path"); // "@" is the fixture
    QTest::newRow("endless device") << "/dev/zero";
    QTest::newRow("random device") << "/dev/urandom";
    QTest::newRow("folder") << "@sounds";
    QTest::newRow("named pipe") << "@pipe.wav";
    QTest::newRow("link to a device") << "@zero.wav";
    QTest::newRow("no name") << "";
}

void tst_SoundPlayer::refusesWhatIsNotARegularFile()
{
    QFETCH(QString, path);
    AppDirFixture dir;
    dir.write(u"sounds/x.wav"_s, FakeAudioDevice::sound());
    QVERIFY(::mkfifo(QFile::encodeName(dir.path(u"pipe.wav"_s)).constData(), 0600) == 0);
    QVERIFY(QFile::link(u"/dev/zero"_s, dir.path(u"zero.wav"_s)));
    path.replace(u'@', dir.path());

    FakeAudioDevice device(dir.path());
    SoundPlayer player;
    player.FileName = path;
    QVERIFY(!player.open());
    QVERIFY(!player.errorText().isEmpty());
    QCOMPARE(device.log, QStringList());
}

void tst_SoundPlayer::withoutAnInstalledDeviceEverythingIsSilent()
{
    AudioSystem::install(nullptr);
    QCOMPARE(AudioSystem::device().outputDeviceCount(), 1);
    SoundPlayer player;
    QVERIFY(player.playFileToEnd(u"/no/such/sound.wav"_s));
}

void tst_SoundPlayer::buttonsReopenAndPlayWithoutWaiting()
{
    AppDirFixture dir;
    dir.write(u"ring.wav"_s, FakeAudioDevice::sound());
    FakeAudioDevice device(dir.path());
    TMediaPlayer mp;
    mp.player.FileName = dir.path(u"ring.wav"_s);
    QSignalSpy announced(&mp, &TMediaPlayer::buttonPressed);

    QTest::mouseClick(mp.findChild<QPushButton *>(u"PlayButton"_s), Qt::LeftButton);
    QCOMPARE(announced.count(), 1);
    QCOMPARE(device.log, (QStringList{"open ring.wav", "start ring.wav"}));

    device.log.clear();
    QTest::mouseClick(mp.findChild<QPushButton *>(u"StopButton"_s), Qt::LeftButton);
    QCOMPARE(announced.count(), 2);
    QCOMPARE(device.log, (QStringList{"close ring.wav", "open ring.wav", "start ring.wav", "stop ring.wav"}));
}

void tst_SoundPlayer::buttonReportsAFileThatCannotBeOpened()
{
    AppDirFixture dir;
    dir.write(u"bad.wav"_s, "text");
    FakeAudioDevice device(dir.path());
    MessageRecorder recorder;
    TMediaPlayer mp;
    mp.player.FileName = dir.path(u"bad.wav"_s);
    QTest::mouseClick(mp.PlayButton, Qt::LeftButton);
    QCOMPARE(recorder.messages, QStringList{"Format not recognised."});
    QVERIFY(!mp.player.isOpen());
}

QTEST_MAIN(tst_SoundPlayer)
#include "tst_SoundPlayer.moc"
