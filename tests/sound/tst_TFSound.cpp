// The sounds of the program's events and the sound options window: the
// start-up checks and sounds, the drill's sounds, choosing, checking and
// listening to a set.

#include "SoundProgram.h"
#include "TFAudio.h"
#include "TFCalculator.h"
#include "TFSound.h"
#include "TFSoundTest.h"
#include "TFStart.h"
#include "WindowControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Which of its two pictures the drill window's sound button shows.
bool showsSoundOn(TFCalculator *drill)
{
    const auto picture = [drill] { return drill->findChild<QPushButton *>(u"BitBtn8"_s)->icon().pixmap(24).toImage(); };
    const QImage shown = picture();
    drill->showSoundPicture(false);
    const QImage off = picture();
    drill->showSoundPicture(true);
    const QImage on = picture();
    drill->showSoundPicture(shown == on);
    if (on == off || (shown != on && shown != off))
        qFatal("the sound button shows neither of its pictures");
    return shown == on;
}

// Clicks a radio button on its round mark.
void choose(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QRadioButton *>(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Runs the drill from the start button and closes it at once.
void runDrill(SoundProgram &program)
{
    TFCalculator *drill = program.windows->FCalculator;
    QTimer::singleShot(0, drill, [drill] { drill->accept(); });
    QTest::mouseClick(program.windows->FStart->findChild<QPushButton *>(u"BitBtn2"_s), Qt::LeftButton);
}

} // namespace

class tst_TFSound : public QObject
{
    Q_OBJECT

private slots:
    void startupChecksTheSetAndSoundsEnteringOnce();
    void startupReplacesAnUnplayableEntry_data();
    void startupReplacesAnUnplayableEntry();
    void startupWithTheSetFileMissing();
    void startupWithoutAnAudioDevice();
    void startupWithAnUnplayableDefaultSound();
    void silenceSoundsNothing();
    void withoutAnInstalledDeviceNothingIsChecked();
    void eventsSoundTheirEntry_data();
    void eventsSoundTheirEntry();
    void aFailingEventSoundIsReportedOncePerRun();
    void startButtonReportsItsOwnFailure();
    void quitSoundsLast();
    void mentalModeSoundDoesNotWait();

    void optionsWindowShowsTheCurrentChoice_data();
    void optionsWindowShowsTheCurrentChoice();
    void choosingASetChecksAndRepairsIt();
    void choosingAnUnreadableSet();
    void listenPlaysTheWholeSet();
    void okWithSilenceTurnsTheSoundOff();
    void closeBoxDoesWhatOkDoes();
    void editOpensTheEditorOnTheCurrentSet();
};

void tst_TFSound::startupChecksTheSetAndSoundsEnteringOnce()
{
    SoundProgram program(3);
    program.create();
    program.start();
    QCOMPARE(program.device.played(), QStringList{"sounds/s3-1.wav"});
    QCOMPARE(program.recorder.messages, QStringList());
    QVERIFY(!program.windows->context.StartupSoundPending);
    // Every file was opened once by the check before the entering sound.
    QCOMPARE(program.device.opened().size(), 8 + 1);
    QCOMPARE(program.dir.read(u"sys/Sound3.txt"_s), SoundProgram::setFile(3));
    QCOMPARE(program.windows->FSound->selectedSequence(), 3);

    program.device.log.clear();
    runDrill(program);
    QCOMPARE(program.device.played(), QStringList{"sounds/s3-2.wav"});
}

void tst_TFSound::startupReplacesAnUnplayableEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("content"); // written at the entry's place when not empty
    QTest::newRow("absent file") << "appdir\\sounds\\none.wav" << QByteArray();
    QTest::newRow("empty file") << "appdir\\sounds\\empty.wav" << QByteArray("\0", 0);
    QTest::newRow("not audio") << "appdir\\sounds\\text.wav" << QByteArray("hello");
    QTest::newRow("folder") << "appdir\\sounds" << QByteArray();
    QTest::newRow("endless device") << "/dev/zero" << QByteArray();
    QTest::newRow("outside the program folder") << "appdir\\..\\..\\..\\etc\\passwd" << QByteArray();
}

void tst_TFSound::startupReplacesAnUnplayableEntry()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, content);
    SoundProgram program(2);
    if (entry.endsWith(u"text.wav"))
        program.dir.write(u"sounds/text.wav"_s, content);
    if (entry.endsWith(u"empty.wav"))
        program.dir.write(u"sounds/empty.wav"_s, QByteArray());
    QStringList lines = program.setLines(u"sys/Sound2.txt"_s);
    lines[3] = entry;
    program.dir.write(u"sys/Sound2.txt"_s, lines.join(u"\r\n"_s).toLatin1() + "\r\n");
    program.create();
    program.start();

    lines[3] = program.defaultEntry();
    QCOMPARE(program.setLines(u"sys/Sound2.txt"_s), lines);
    QCOMPARE(program.device.played(), QStringList{"sounds/s2-1.wav"});
    QCOMPARE(program.recorder.messages, QStringList());
}

void tst_TFSound::startupWithTheSetFileMissing()
{
    SoundProgram program(3);
    program.dir.remove(u"sys/Sound3.txt"_s);
    program.create();
    program.start();

    QCOMPARE(program.recorder.messages,
             (QStringList{u"Cannot open file %1"_s.arg(program.dir.path(u"sys/Sound3.txt"_s)),
                          "Problem: file(s) not found! Please edit sequence \"Sound 3\" now.\r\n"
                          "This sequence has been reset to sound defaults."}));
    QCOMPARE(program.device.played(), QStringList());
    QCOMPARE(program.setLines(u"sys/Sound3.txt"_s), QStringList(8, program.defaultEntry()));
    QVERIFY(program.windows->context.StartupSoundPending);
    QCOMPARE(program.bouton(), 3);

    // The entering sound comes at the next showing, after a drill.
    runDrill(program);
    QCOMPARE(program.device.played(), (QStringList{"default.wav", "default.wav"}));
    QVERIFY(!program.windows->context.StartupSoundPending);
}

void tst_TFSound::startupWithoutAnAudioDevice()
{
    SoundProgram program(2);
    program.device.outputs = 0;
    program.create();
    program.start();

    QCOMPARE(program.recorder.messages, QStringList{"No audio device on this system !"});
    QVERIFY(!program.windows->FCalculator->findChild<QPushButton *>(u"BitBtn8"_s)->isEnabled());
    QCOMPARE(program.bouton(), 0);
    // The set was not checked, so it was not lost to the default sound.
    QCOMPARE(program.device.log, QStringList());
    QCOMPARE(program.dir.read(u"sys/Sound2.txt"_s), SoundProgram::setFile(2));

    program.windows->FStart->BitBtn1Click();
    QVERIFY(program.dir.read(u"sys/multable.ini"_s).contains("Bouton=0"));
    QCOMPARE(program.device.log, QStringList());
    QCOMPARE(program.recorder.messages.size(), 1);
}

void tst_TFSound::startupWithAnUnplayableDefaultSound()
{
    SoundProgram program(1);
    program.dir.remove(u"sounds/s1-1.wav"_s);
    program.dir.write(u"default.wav"_s, "broken");
    program.create();
    program.start();

    QCOMPARE(program.recorder.messages,
             QStringList{"Problem: file(s) not found! Please edit sequence \"Sound 1\" now.\r\n"
                         "This sequence was reset to sound defaults."});
    QCOMPARE(program.setLines(u"sys/Sound1.txt"_s), QStringList(8, program.defaultEntry()));
    QCOMPARE(program.device.played(), QStringList());
    // The activation checked the files of the reset set again.
    QVERIFY(program.windows->context.StartupSoundPending);
    QVERIFY(program.windows->FSoundTest->isHidden());
    QCOMPARE(program.windows->FSoundTest->findChild<QProgressBar *>(u"PB1"_s)->value(), 8);
}

void tst_TFSound::silenceSoundsNothing()
{
    SoundProgram program(0);
    program.create();
    program.start();
    for (int event = 1; event <= 8; ++event)
        program.windows->sounds.MakeSound(static_cast<SoundEvent>(event));
    runDrill(program);
    program.windows->FStart->BitBtn1Click();
    QCOMPARE(program.device.log, QStringList());
    QCOMPARE(program.recorder.messages, QStringList());
    QVERIFY(program.windows->FStart->findChild<QLabel *>(u"Image1"_s)->isHidden());
}

void tst_TFSound::withoutAnInstalledDeviceNothingIsChecked()
{
    AppDirFixture dir;
    MessageRecorder recorder;
    WindowSet windows(dir.path());
    QVERIFY(windows.create());
    windows.FStart->showAndActivate();
    windows.sounds.MakeSound(SoundEvent::WrongAnswer);
    windows.FStart->BitBtn1Click();
    QCOMPARE(recorder.messages, QStringList());
    QVERIFY(!dir.exists(u"sys/Sound1.txt"_s));
    QVERIFY(dir.read(u"sys/multable.ini"_s).contains("Bouton=1"));
    QVERIFY(windows.FStart->findChild<QLabel *>(u"Image1"_s)->isVisibleTo(windows.FStart));
}

void tst_TFSound::eventsSoundTheirEntry_data()
{
    QTest::addColumn<int>("event");
    for (int event = 1; event <= 8; ++event)
        QTest::addRow("event %d", event) << event;
}

void tst_TFSound::eventsSoundTheirEntry()
{
    QFETCH(int, event);
    SoundProgram program(4);
    program.create();
    program.start();
    program.device.log.clear();
    program.windows->sounds.MakeSound(static_cast<SoundEvent>(event));
    const QString name = u"sounds/s4-%1.wav"_s.arg(event);
    QCOMPARE(program.device.log, (QStringList{"open " + name, "play " + name, "close " + name}));
}

void tst_TFSound::aFailingEventSoundIsReportedOncePerRun()
{
    SoundProgram program(1);
    program.create();
    program.start();
    program.dir.remove(u"sounds/s1-4.wav"_s);
    program.dir.remove(u"sounds/s1-6.wav"_s);
    EventSounds &sounds = program.windows->sounds;
    sounds.MakeSound(SoundEvent::WrongAnswer);
    sounds.MakeSound(SoundEvent::LateWrongAnswer);
    sounds.MakeSound(SoundEvent::WrongAnswer);
    sounds.MakeSound(SoundEvent::RightAnswer);
    QCOMPARE(program.recorder.messages.size(), 1);
    QVERIFY(program.recorder.messages[0].startsWith(
        u"Sound problem...\r\n%1"_s.arg(program.dir.path(u"sounds/s1-4.wav"_s))));
    QCOMPARE(program.device.played(), (QStringList{"sounds/s1-1.wav", "sounds/s1-3.wav"}));
}

void tst_TFSound::startButtonReportsItsOwnFailure()
{
    SoundProgram program(1);
    program.create();
    program.start();
    program.dir.remove(u"sounds/s1-2.wav"_s);
    runDrill(program);
    runDrill(program);
    QCOMPARE(program.recorder.messages, (QStringList{"Sound problem...", "Sound problem..."}));
}

void tst_TFSound::quitSoundsLast()
{
    SoundProgram program(5);
    program.create();
    program.start();
    program.windows->FStart->BitBtn1Click();
    QCOMPARE(program.device.played().last(), u"sounds/s5-8.wav");
    QVERIFY(program.dir.read(u"sys/multable.ini"_s).contains("Bouton=5"));

    // A quit sound that can't be opened does not keep the program from ending.
    SoundProgram broken(5);
    broken.create();
    broken.start();
    broken.dir.remove(u"sounds/s5-8.wav"_s);
    broken.windows->FStart->BitBtn1Click();
    QVERIFY(broken.windows->FStart->hasQuit());
    QCOMPARE(broken.recorder.messages.size(), 1);
}

void tst_TFSound::mentalModeSoundDoesNotWait()
{
    SoundProgram program(2);
    program.create();
    program.start();
    program.device.log.clear();
    program.windows->sounds.playDefaultSound();
    QCOMPARE(program.device.log, (QStringList{"open default.wav", "start default.wav"}));

    program.device.log.clear();
    program.windows->context.settings.Bouton = 0;
    program.windows->sounds.playDefaultSound();
    QCOMPARE(program.device.log, QStringList());
}

void tst_TFSound::optionsWindowShowsTheCurrentChoice_data()
{
    QTest::addColumn<int>("bouton");
    QTest::newRow("silence") << 0;
    QTest::newRow("set 2") << 2;
}

void tst_TFSound::optionsWindowShowsTheCurrentChoice()
{
    QFETCH(int, bouton);
    SoundProgram program(bouton);
    program.create();
    program.start();
    TFSound *options = program.windows->FSound;
    options->show();

    const bool soundOn = bouton != 0;
    QCOMPARE(options->findChild<QRadioButton *>(u"Choice2"_s)->text(), u"Set B");
    QCOMPARE(options->findChild<QRadioButton *>(u"Choice0"_s)->text(), u"No sound");
    QVERIFY(options->findChild<QRadioButton *>(u"Choice%1"_s.arg(bouton))->isChecked());
    QCOMPARE(options->findChild<QPushButton *>(u"BitBtn8"_s)->isEnabled(), soundOn);
    QCOMPARE(options->findChild<QPushButton *>(u"BitBtn3"_s)->isEnabled(), soundOn);
    QCOMPARE(options->findChild<QLabel *>(u"Label1"_s)->isVisible(), !soundOn);
    QVERIFY(options->findChild<QProgressBar *>(u"PB"_s)->isHidden());
    QCOMPARE(showsSoundOn(program.windows->FCalculator), soundOn);
    QCOMPARE(program.recorder.messages, QStringList());
}

void tst_TFSound::choosingASetChecksAndRepairsIt()
{
    SoundProgram program(1);
    program.create();
    program.start();
    program.dir.remove(u"sounds/s4-6.wav"_s);
    TFSound *options = program.windows->FSound;
    options->show();
    program.device.log.clear();

    choose(options, u"Choice4"_s);
    QCOMPARE(program.bouton(), 4);
    QStringList expected;
    for (int event = 1; event <= 8; ++event)
        expected << program.sequenceLine(4, event);
    expected[5] = program.defaultEntry();
    QCOMPARE(program.setLines(u"sys/Sound4.txt"_s), expected);
    QCOMPARE(program.device.played(), QStringList());
    QVERIFY(options->findChild<QProgressBar *>(u"PB"_s)->isHidden());
    QVERIFY(control<QPushButton>(options, u"BitBtn8"_s)->isEnabled());
    QVERIFY(control<QPushButton>(options, u"BitBtn3"_s)->isEnabled());
    QVERIFY(control<QPushButton>(options, u"BitBtn1"_s)->isEnabled());

    // The set sounds at once, before OK.
    program.windows->sounds.MakeSound(SoundEvent::RightAnswer);
    QCOMPARE(program.device.played(), QStringList{"sounds/s4-3.wav"});
}

void tst_TFSound::choosingAnUnreadableSet()
{
    SoundProgram program(1);
    program.dir.remove(u"sys/Sound5.txt"_s);
    program.dir.remove(u"sys/Sound2.txt"_s);
    QVERIFY(QDir(program.dir.path()).mkpath(u"sys/Sound2.txt"_s));
    program.create();
    program.start();
    TFSound *options = program.windows->FSound;
    options->show();

    for (int number : {5, 2}) {
        program.recorder.messages.clear();
        choose(options, u"Choice%1"_s.arg(number));
        QCOMPARE(program.recorder.messages,
                 QStringList{u"Cannot open file %1"_s
                                 .arg(program.dir.path(u"sys/Sound%1.txt"_s.arg(number)))});
        QVERIFY(control<QPushButton>(options, u"BitBtn8"_s)->isEnabled());
        QVERIFY(control<QPushButton>(options, u"BitBtn1"_s)->isEnabled());
        QCOMPARE(program.windows->sounds.ListBox1.entries(), QStringList(8, program.defaultEntry()));
    }
    QVERIFY(!program.dir.exists(u"sys/Sound5.txt"_s));
    QVERIFY(QFileInfo(program.dir.path(u"sys/Sound2.txt"_s)).isDir());
}

void tst_TFSound::listenPlaysTheWholeSet()
{
    SoundProgram program(2);
    program.create();
    program.start();
    TFSound *options = program.windows->FSound;
    options->show();
    program.device.log.clear();

    QTest::mouseClick(control<QPushButton>(options, u"BitBtn8"_s), Qt::LeftButton);
    QStringList expected;
    for (int event = 1; event <= 8; ++event)
        expected << u"sounds/s2-%1.wav"_s.arg(event);
    QCOMPARE(program.device.played(), expected);
    QCOMPARE(control<QProgressBar>(options, u"PB"_s)->value(), 8);
    QVERIFY(control<QProgressBar>(options, u"PB"_s)->isHidden());
    for (QWidget *control : QList<QWidget *>{control<QPushButton>(options, u"BitBtn8"_s), control<QPushButton>(options, u"BitBtn3"_s), control<QGroupBox>(options, u"RadioGroup1"_s), control<QPushButton>(options, u"BitBtn1"_s)})
        QVERIFY(control->isEnabled());
}

// Some window managers draw a close box all the same.
void tst_TFSound::closeBoxDoesWhatOkDoes()
{
    SoundProgram program(3);
    program.create();
    program.start();
    TFSound *options = program.windows->FSound;
    options->show();
    choose(options, u"Choice0"_s);
    options->close();
    QVERIFY(options->isHidden());
    QCOMPARE(program.bouton(), 0);
    QVERIFY(!showsSoundOn(program.windows->FCalculator));
}

void tst_TFSound::okWithSilenceTurnsTheSoundOff()
{
    SoundProgram program(3);
    program.create();
    program.start();
    program.device.outputs = 0; // OK with Silence does not look for a device
    TFSound *options = program.windows->FSound;
    options->show();
    choose(options, u"Choice0"_s);
    QCOMPARE(program.bouton(), 3);
    QVERIFY(!control<QPushButton>(options, u"BitBtn8"_s)->isEnabled());
    QVERIFY(control<QLabel>(options, u"Label1"_s)->isVisible());

    QTest::keyClick(options, Qt::Key_Escape);
    QVERIFY(options->isVisible());
    QTest::mouseClick(control<QPushButton>(options, u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(options->isHidden());
    QCOMPARE(program.bouton(), 0);
    QVERIFY(!showsSoundOn(program.windows->FCalculator));
    QCOMPARE(program.recorder.messages, QStringList());
    program.device.log.clear();
    program.windows->sounds.MakeSound(SoundEvent::RightAnswer);
    QCOMPARE(program.device.log, QStringList());

    // Back to a set, on a machine that lost its device meanwhile.
    options->show();
    choose(options, u"Choice1"_s);
    QTest::mouseClick(control<QPushButton>(options, u"BitBtn1"_s), Qt::LeftButton);
    QCOMPARE(program.recorder.messages, QStringList{"No audio device on this system !"});
    QCOMPARE(program.bouton(), 0);
}

void tst_TFSound::editOpensTheEditorOnTheCurrentSet()
{
    SoundProgram program(2);
    program.create();
    program.start();
    TFSound *options = program.windows->FSound;
    options->show();
    TFAudio *editor = program.windows->FAudio;
    bool shown = false;
    QTimer::singleShot(0, editor, [&] {
        shown = editor->isVisible();
        QTest::mouseClick(control<QPushButton>(editor, u"BitBtn2"_s), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(options, u"BitBtn3"_s), Qt::LeftButton);
    QVERIFY(shown);
    QCOMPARE(program.windows->sounds.FileName, program.dir.path(u"sys/Sound2.txt"_s));
    QCOMPARE(program.windows->sounds.ListBox1.entry(0), program.sequenceLine(2, 1));
    QVERIFY(program.recorder.questions.isEmpty());
}

QTEST_MAIN(tst_TFSound)
#include "tst_TFSound.moc"
