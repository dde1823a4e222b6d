// The sound sets on disk: entry resolution, the stored form of a chosen file,
// reading and writing a set, and the titles around the sets.

#include "AppDirFixture.h"
#include "SoundEntry.h"
#include "SoundEvent.h"
#include "SoundSequence.h"
#include "SoundTitles.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_SoundFiles : public QObject
{
    Q_OBJECT

private slots:
    void resolvesEntries_data();
    void resolvesEntries();
    void storesChosenFiles_data();
    void storesChosenFiles();
    void eventsNumberTheEntries();
    void readsSets_data();
    void readsSets();
    void unreadableSetHasNoValue_data();
    void unreadableSetHasNoValue();
    void savingKeepsExtraLinesAndWritesCrLf();
    void setFilesAreFoundIgnoringCase();
    void choicesAndEventTitlesArePadded();
};

void tst_SoundFiles::resolvesEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected"); // below the fixture, or absolute

    QTest::newRow("appdir and backslashes") << "appdir\\sounds\\Ring.wav" << "@sounds/Ring.wav";
    QTest::newRow("appdir and slashes") << "appdir/sounds/Ring.wav" << "@sounds/Ring.wav";
    QTest::newRow("letter case of the file ignored") << "appdir\\SOUNDS\\ring.WAV" << "@sounds/Ring.wav";
    QTest::newRow("default sound found as Default.wav") << "appdir\\Default.wav" << "@default.wav";
    QTest::newRow("prefix in capitals is a path") << "AppDir\\sounds\\Ring.wav" << "AppDir/sounds/Ring.wav";
    QTest::newRow("full path unchanged") << "@sounds/Ring.wav" << "@sounds/Ring.wav";
    QTest::newRow("absent file unchanged") << "appdir\\sounds\\none.wav" << "@sounds/none.wav";
    QTest::newRow("empty") << "" << "";
}

void tst_SoundFiles::resolvesEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    AppDirFixture dir;
    dir.write(u"sounds/Ring.wav"_s, "RIFF");
    dir.write(u"default.wav"_s, "RIFF");
    entry.replace(u'@', dir.path());
    expected.replace(u'@', dir.path());
    QCOMPARE(SoundEntry::resolve(dir.path(), entry), expected);
}

void tst_SoundFiles::storesChosenFiles_data()
{
    QTest::addColumn<QString>("appDir");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("stored");

    QTest::newRow("in the program folder below the root")
        << "/Prog/" << "/Prog/sounds/ringout.wav" << "appdir\\sounds\\ringout.wav";
    QTest::newRow("directly in the program folder") << "/Prog/" << "/Prog/ring.wav" << "appdir\\ring.wav";
    QTest::newRow("letter case of this platform")
        << "/Prog/" << "/prog/Sounds/ring.wav" << "/prog/Sounds/ring.wav";
    QTest::newRow("program folder deeper than the root")
        << "/Programs/Drill/" << "/Programs/Drill/sounds/ring.wav" << "appdir\\sounds\\ring.wav";
    QTest::newRow("a folder that only begins like the program's")
        << "/Programs/Drill/" << "/Programs/Drill2/ring.wav" << "/Programs/Drill2/ring.wav";
    QTest::newRow("elsewhere") << "/Prog/" << "/home/pupil/ring.wav" << "/home/pupil/ring.wav";
    QTest::newRow("directly in the root") << "/Prog/" << "/ring.wav" << "/ring.wav";
    QTest::newRow("program at the root, file in the root") << "/" << "/ring.wav" << "appdir\\ring.wav";
    QTest::newRow("program at the root, file below") << "/" << "/sounds/ring.wav" << "appdir\\sounds\\ring.wav";
}

void tst_SoundFiles::storesChosenFiles()
{
    QFETCH(QString, appDir);
    QFETCH(QString, file);
    QFETCH(QString, stored);
    QCOMPARE(SoundEntry::storedForm(appDir, file), stored);
    // Whatever is stored names the same file again.
    QCOMPARE(SoundEntry::resolve(appDir, stored).toLower(), file.toLower());
}

void tst_SoundFiles::eventsNumberTheEntries()
{
    SoundSequence sequence;
    for (int i = 0; i < SoundSequence::EntryCount; ++i)
        sequence.setEntry(i, QString::number(i));
    QCOMPARE(sequence.entry(SoundEvent::EnterProgram), u"0");
    QCOMPARE(sequence.entry(SoundEvent::StartDrill), u"1");
    QCOMPARE(sequence.entry(SoundEvent::RightAnswer), u"2");
    QCOMPARE(sequence.entry(SoundEvent::WrongAnswer), u"3");
    QCOMPARE(sequence.entry(SoundEvent::LateRightAnswer), u"4");
    QCOMPARE(sequence.entry(SoundEvent::LateWrongAnswer), u"5");
    QCOMPARE(sequence.entry(SoundEvent::TimeUpNoAnswer), u"6");
    QCOMPARE(sequence.entry(SoundEvent::QuitProgram), u"7");
}

void tst_SoundFiles::readsSets_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries"); // "@" is the default sound

    const QStringList eight{"a", "b", "c", "d", "e", "f", "g", "h"};
    QTest::newRow("eight lines") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n") << eight;
    QTest::newRow("CR only") << QByteArray("a\rb\rc\rd\re\rf\rg\rh\r") << eight;
    QTest::newRow("more lines") << QByteArray("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n") << eight;
    QTest::newRow("three lines") << QByteArray("a\r\nb\r\nc")
                                 << QStringList{"a", "b", "c", "@", "@", "@", "@", "@"};
    QTest::newRow("empty") << QByteArray() << QStringList(8, u"@"_s);
    QTest::newRow("Windows-1252") << QByteArray("C:\\Sons\\\xe9t\xe9.wav")
                                  << QStringList{QString::fromUtf8("C:\\Sons\\été.wav"), "@", "@", "@",
                                                 "@", "@", "@", "@"};
    QTest::newRow("UTF-8 read as Windows-1252")
        << QByteArray("\xc3\xa9.wav") << QStringList{QString::fromUtf8("Ã©.wav"), "@", "@", "@", "@", "@", "@", "@"};
}

void tst_SoundFiles::readsSets()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    AppDirFixture dir;
    dir.write(u"sys/Sound2.txt"_s, bytes);
    const auto sequence = SoundSequence::load(dir.path(u"sys/Sound2.txt"_s));
    QVERIFY(sequence);
    entries.replaceInStrings(u"@"_s, SoundSequence::DefaultEntry);
    QCOMPARE(sequence->entries(), entries);
}

void tst_SoundFiles::unreadableSetHasNoValue_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << "sys/Sound4.txt";
    QTest::newRow("a folder") << "sys";
}

void tst_SoundFiles::unreadableSetHasNoValue()
{
    QFETCH(QString, path);
    AppDirFixture dir;
    QVERIFY(!SoundSequence::load(dir.path(path)));
}

void tst_SoundFiles::savingKeepsExtraLinesAndWritesCrLf()
{
    AppDirFixture dir;
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += "line" + QByteArray::number(i) + "\n";
    dir.write(u"sys/Sound1.txt"_s, many);
    auto sequence = SoundSequence::load(dir.path(u"sys/Sound1.txt"_s));
    QVERIFY(sequence);
    QCOMPARE(sequence->entry(7), u"line7");
    sequence->setEntry(2, u"appdir\\sounds\\new.wav"_s);
    QCOMPARE(sequence->save(dir.path(u"sys/Sound1.txt"_s)), SafeFile::Result::Written);

    const QByteArray written = dir.read(u"sys/Sound1.txt"_s);
    QCOMPARE(written.count("\r\n"), 10000);
    QVERIFY(written.startsWith("line0\r\nline1\r\nappdir\\sounds\\new.wav\r\nline3\r\n"));
    QVERIFY(written.endsWith("line9998\r\nline9999\r\n"));
}

void tst_SoundFiles::setFilesAreFoundIgnoringCase()
{
    AppDirFixture dir;
    dir.write(u"sys/SOUND3.TXT"_s, "x");
    QCOMPARE(SoundSequence::filePath(dir.path(), 3), dir.path(u"sys/SOUND3.TXT"_s));
    QCOMPARE(SoundSequence::filePath(dir.path(), 5), dir.path(u"sys/Sound5.txt"_s));
}

void tst_SoundFiles::choicesAndEventTitlesArePadded()
{
    AppDirFixture dir;
    dir.write(u"sys/soundstr.txt"_s, "Quiet\r\nBells\r\n");
    const QStringList current = SoundTitles::initialChoices();
    QCOMPARE(current, (QStringList{"Silence...", "Sound 1", "Sound 2", "Sound 3", "Sound 4", "Sound 5"}));
    const auto choices = SoundTitles::loadChoices(SoundTitles::choicesPath(dir.path()), current);
    QVERIFY(choices);
    QCOMPARE(*choices, (QStringList{"Quiet", "Bells", "Sound 2", "Sound 3", "Sound 4", "Sound 5"}));
    QVERIFY(!SoundTitles::loadChoices(dir.path(u"sys/none.txt"_s), current));

    dir.write(u"sys/en-soundevents.txt"_s, "Hello (1)\r\nGo (2)\r\n");
    const auto titles = SoundTitles::loadEventTitles(SoundTitles::eventTitlesPath(dir.path(), u"en"_s));
    QVERIFY(titles);
    QCOMPARE(titles->size(), 8);
    QCOMPARE(titles->at(1), u"Go (2)");
    QCOMPARE(SoundTitles::eventNumber(titles->at(4)), u"(5)");
    QVERIFY(!SoundTitles::loadEventTitles(SoundTitles::eventTitlesPath(dir.path(), u"fr"_s)));
}

QTEST_GUILESS_MAIN(tst_SoundFiles)
#include "tst_SoundFiles.moc"
