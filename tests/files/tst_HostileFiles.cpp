// What the pupil gets when the program's files are damaged, special or on a
// disk that fails: a message, the old file whole, and the program going on.

#include "Cp1252.h"
#include "DiskFull.h"
#include "HelpPanel.h"
#include "LanguageCode.h"
#include "PermissionChecks.h"
#include "ProfileFile.h"
#include "SoundProgram.h"
#include "TFAudio.h"
#include "TFCalculator.h"
#include "TFSound.h"
#include "TFStart.h"
#include "WindowControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

enum class Step { Create, Start, OpenDrill, OpenOptions, OpenEditor };

// Runs a drill from the start button and closes it at once.
void runDrill(WindowSet &windows)
{
    QTimer::singleShot(0, windows.FCalculator, [&windows] { windows.FCalculator->accept(); });
    QTest::mouseClick(control<QPushButton>(windows.FStart, u"BitBtn2"_s), Qt::LeftButton);
}

// Starts the program and takes it as far as the step.
void runTo(SoundProgram &program, Step step)
{
    program.create();
    if (step == Step::Create)
        return;
    program.start();
    WindowSet &windows = *program.windows;
    switch (step) {
    case Step::Create:
    case Step::Start:
        break;
    case Step::OpenDrill:
        runDrill(windows);
        break;
    case Step::OpenOptions:
        windows.FSound->show();
        break;
    case Step::OpenEditor:
        windows.FAudio->show();
        break;
    }
}

void quit(SoundProgram &program)
{
    QTest::mouseClick(control<QPushButton>(program.windows->FStart, u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(program.windows->FStart->hasQuit());
}

QString native(const SoundProgram &program, const QString &relative)
{
    return QDir::toNativeSeparators(program.dir.path(relative));
}

// Clicks the file of the editor's browser that has the given name.
void associate(TFAudio *editor, const QString &fileName)
{
    QTest::mouseClick(control<QPushButton>(editor, u"BitBtn1"_s), Qt::LeftButton);
    auto *files = control<QListWidget>(editor, u"FileListBox1"_s);
    const QList<QListWidgetItem *> items = files->findItems(fileName, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    files->setCurrentItem(items.first());
    QTest::mouseClick(control<QPushButton>(editor, u"BitBtn4"_s), Qt::LeftButton);
}

const QString Settings = u"sys/multable.ini"_s;
const QString Choices = u"sys/choices.txt"_s;
const QString SoundSet = u"sys/Sound2.txt"_s;
const QString Titles = u"sys/SoundStr.txt"_s;

} // namespace

class tst_HostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void specialFilesAreRefused_data();
    void specialFilesAreRefused();
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();
    void readOnlyFolderWithWritableFiles();
    void editedFilesReadBack_data();
    void editedFilesReadBack();
    void languageCodes_data();
    void languageCodes();
    void languageFilesInAnyLetterCase();
    void namesOutsideWindows1252_data();
    void namesOutsideWindows1252();
    void soundCheckWritesOnlyRepairs();
    void unreadableSetIsReportedOncePerRun();
    void longFileContentIsCutInMessages();
    void leftoversOfInterruptedSavesAreRemoved();
};

void tst_HostileFiles::specialFilesAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("special");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QStringList>("messages"); // %1 is the file

    const QString problem = u"Problem: file(s) not found! Please edit sequence \"Sound 2\" now.\r\n"
                            "This sequence has been reset to sound defaults."_s;
    for (const QString special : {u"pipe"_s, u"link to /dev/zero"_s}) {
        const auto row = [&](const QString &file) -> QTestData & {
            return QTest::addRow("%s, %s", qPrintable(file), qPrintable(special)) << file << special;
        };
        row(Settings) << Step::Create << QStringList{u"Initiation file not found !\nPlease re-install Numerillo"_s};
        row(Choices) << Step::Start << QStringList{u"Cannot open file %1"_s};
        row(u"sys/en.lng"_s) << Step::OpenEditor << QStringList();
        row(u"sys/enOpSel.txt"_s) << Step::OpenDrill << QStringList{u"Cannot open file %1"_s};
        row(u"sys/en-soundevents.txt"_s) << Step::OpenEditor << QStringList{u"Cannot open file %1"_s};
        row(Titles) << Step::OpenOptions << QStringList();
        row(SoundSet) << Step::Start
                      << QStringList{u"Cannot open file %1"_s, problem, u"Cannot create file %1"_s};
    }
}

// Neither hangs the program nor is replaced: the file's usual message, and
// the program goes on.
void tst_HostileFiles::specialFilesAreRefused()
{
    QFETCH(QString, file);
    QFETCH(QString, special);
    QFETCH(Step, step);
    QFETCH(QStringList, messages);
    SoundProgram program(2);
    program.dir.write(u"sys/enOpSel.txt"_s, "Times\r\nShare\r\nBoth\r\nAny\r\n");
    const QString path = program.dir.path(file);
    program.dir.remove(file);
    if (special == u"pipe"_s)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else
        QVERIFY(QFile::link(u"/dev/zero"_s, path));

    runTo(program, step);

    messages.replaceInStrings(u"%1"_s, native(program, file));
    QCOMPARE(program.recorder.messages, messages);
    const QFileInfo info(path);
    QVERIFY(special == u"pipe"_s ? info.isFile() == false && info.exists() : info.isSymLink());
    if (step == Step::OpenEditor && file.endsWith(u".lng"_s))
        QCOMPARE(control<QLabel>(program.windows->FAudio, u"Label2"_s)->text(), u" (1)"_s);
    if (file == Titles)
        QCOMPARE(control<QRadioButton>(program.windows->FSound, u"Choice2"_s)->text(), u"Sound 2"_s);
}

void tst_HostileFiles::failedWritesKeepTheOldFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("quit") << "quit" << QStringList{Choices, Settings};
    QTest::newRow("sound check repairing a set") << "sound check" << QStringList{SoundSet};
    QTest::newRow("editor saving a set and the titles") << "editor" << QStringList{SoundSet, Titles};
}

// A write that fails after the file was opened, as on a full disk.
void tst_HostileFiles::failedWritesKeepTheOldFile()
{
    QFETCH(QString, writer);
    QFETCH(QStringList, files);
    SoundProgram program(2);
    program.dir.write(Choices, "3\r\n5\r\n");
    runTo(program, Step::Start);
    QHash<QString, QByteArray> before;
    for (const QString &file : files)
        before[file] = program.dir.read(file);
    TFSound *options = program.windows->FSound;

    {
        DiskFull full;
        if (writer == u"quit"_s) {
            program.windows->FStart->BitBtn3Click(); // all twelve tables
            quit(program);
        } else if (writer == u"sound check"_s) {
            program.dir.remove(u"sounds/s2-4.wav"_s);
            options->selectSequence(0);
            options->selectSequence(2);
        } else {
            options->show();
            TFAudio *editor = program.windows->FAudio;
            editor->show();
            control<QLineEdit>(editor, u"Edit1"_s)->setText(u"Bells"_s);
            editor->Edit1Exit();
            associate(editor, u"s5-1.wav"_s);
            QTest::mouseClick(control<QPushButton>(editor, u"BitBtn2"_s), Qt::LeftButton);
        }
    }

    QStringList expected;
    for (const QString &file : files) {
        expected << u"Unable to write to "_s + native(program, file);
        QCOMPARE(program.dir.read(file), before[file]);
    }
    QCOMPARE(program.recorder.messages, expected);
}

// Shared school machines: sys is read-only, its files are the pupil's.
void tst_HostileFiles::readOnlyFolderWithWritableFiles()
{
    SoundProgram program(2);
    program.dir.write(Choices, "3\r\n");
    runTo(program, Step::Start);
    const QByteArray folder = QFile::encodeName(program.dir.path(u"sys"_s));
    QCOMPARE(chmod(folder.constData(), 0555), 0);
    {
        PermissionChecks checks;
        QVERIFY2(!QFile(program.dir.path(u"sys/new.txt"_s)).open(QIODevice::WriteOnly),
                 "the folder must refuse new files");
        program.windows->FStart->BitBtn3Click();
        quit(program);
    }
    chmod(folder.constData(), 0755);

    QCOMPARE(program.recorder.messages, QStringList());
    QCOMPARE(program.dir.read(Choices), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n");
    QCOMPARE(ProfileFile(program.dir.path(Settings)).readInteger(u"CHRONO"_s, u"Timer1"_s, 0), 3);
}

void tst_HostileFiles::editedFilesReadBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray mark("\xEF\xBB\xBF");
    QTest::newRow("byte-order mark, choice of tables") << Choices << mark + "2\r\n7\r\n";
    QTest::newRow("byte-order mark, operator list") << u"sys/enOpSel.txt"_s << mark + "Times\r\nShare\r\nBoth\r\nAny\r\n";
    QTest::newRow("byte-order mark, event titles") << u"sys/en-soundevents.txt"_s << mark + "Hello (1)\r\n";
    QTest::newRow("byte-order mark, sound set") << SoundSet << mark + SoundProgram::setFile(2);
    QTest::newRow("byte-order mark, titles") << Titles << mark + "Quiet\r\nFirst\r\nBells\r\n";
    QTest::newRow("settings ending with a lone CR")
        << Settings << QByteArray("[SON]\r\nBouton=2\r\n[GLOBAL]\r\nLanguage=en\r");
}

void tst_HostileFiles::editedFilesReadBack()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    SoundProgram program(2);
    program.dir.write(file, bytes);
    runTo(program, Step::OpenDrill);
    WindowSet &windows = *program.windows;
    windows.FSound->show();
    windows.FSound->hide();
    windows.FAudio->show();
    windows.FAudio->hide();

    QCOMPARE(program.recorder.messages, QStringList());
    if (file == Choices) {
        QVERIFY(control<QCheckBox>(windows.FStart, u"CheckBox2"_s)->isChecked());
        QVERIFY(control<QCheckBox>(windows.FStart, u"CheckBox7"_s)->isChecked());
    } else if (file.endsWith(u"OpSel.txt"_s)) {
        QCOMPARE(control<QComboBox>(windows.FCalculator, u"OpSel"_s)->itemText(0), u"Times"_s);
    } else if (file.endsWith(u"soundevents.txt"_s)) {
        QCOMPARE(control<QRadioButton>(windows.FAudio, u"Event1"_s)->text(), u"Hello (1)"_s);
    } else if (file == SoundSet) {
        // Every entry was found: the set was not repaired.
        QCOMPARE(windows.sounds.ListBox1.entry(0), program.sequenceLine(2, 1));
        QCOMPARE(program.dir.read(file), bytes);
    } else if (file == Titles) {
        QCOMPARE(control<QRadioButton>(windows.FSound, u"Choice0"_s)->text(), u"Quiet"_s);
    } else {
        windows.FStart->setSmallestMultiplicator(4);
        quit(program);
        const ProfileFile settings(program.dir.path(Settings));
        QCOMPARE(settings.readString(u"GLOBAL"_s, u"Language"_s), u"en"_s);
        QCOMPARE(settings.readInteger(u"GLOBAL"_s, u"Range"_s, 0), 4);
        QVERIFY(program.dir.read(Settings).startsWith(bytes));
    }
}

void tst_HostileFiles::languageCodes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("choose"); // a menu item, or none
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("written");

    const QString system = LanguageCode::atStartup({}, QLocale::system().language());
    QTest::newRow("a path") << QByteArray("../../zz") << "" << system << QByteArray("../../zz");
    QTest::newRow("a blank in quotes") << QByteArray("\" fr\"") << "" << system << QByteArray("\" fr\"");
    QTest::newRow("a path, then a choice") << QByteArray("../../zz") << "Fr" << "fr" << QByteArray("fr");
    QTest::newRow("nine letters") << QByteArray("abcdefghi") << "" << system << QByteArray("abcdefghi");
    QTest::newRow("a code") << QByteArray("EN") << "" << "EN" << QByteArray("EN");
}

// A stored text that is no code names no file; it goes back as it was read
// unless the pupil chose a language.
void tst_HostileFiles::languageCodes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, choose);
    QFETCH(QString, code);
    QFETCH(QByteArray, written);
    SoundProgram program(0);
    program.dir.write(Settings, "[GLOBAL]\r\nLanguage=" + stored + "\r\n");
    program.dir.write(u"sys/fr.lng"_s, "[FStart]\r\nvQuitBtn=Quitter\r\n");
    runTo(program, Step::Start);
    if (!choose.isEmpty())
        program.windows->FStart->findChild<QAction *>(choose)->trigger();
    QCOMPARE(program.windows->context.LanguageCode, code);
    quit(program);
    QVERIFY(program.dir.read(Settings).startsWith("[GLOBAL]\r\nLanguage=" + written + "\r\n"));
}

// The language, its operator list and its help page are found whatever the
// letter case; the menu ticks only the exact code.
void tst_HostileFiles::languageFilesInAnyLetterCase()
{
    SoundProgram program(0);
    program.dir.write(Settings, "[GLOBAL]\r\nLanguage=NEW\r\n");
    program.dir.write(u"sys/new.lng"_s, "[FStart]\r\nvQuitBtn=Leave\r\n");
    program.dir.write(u"sys/newopsel.txt"_s, "Times\r\nShare\r\nBoth\r\nAny\r\n");
    program.dir.write(u"sys/New-Help.html"_s, "<html><body>Help</body></html>");
    runTo(program, Step::OpenDrill);
    TFStart *start = program.windows->FStart;
    QCOMPARE(control<QPushButton>(start, u"BitBtn1"_s)->text(), u"Leave"_s);
    QCOMPARE(control<QComboBox>(program.windows->FCalculator, u"OpSel"_s)->itemText(0), u"Times"_s);
    const QAction *item = start->findChild<QAction *>(u"New"_s);
    QVERIFY(item->isEnabled());
    QVERIFY(!item->isChecked());
    start->Help1Click();
    QCOMPARE(program.recorder.messages, QStringList());
    QVERIFY(control<HelpPanel>(start, u"Panel4"_s)->isVisible());
}

void tst_HostileFiles::namesOutsideWindows1252_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("storable");

    QTest::newRow("program folder") << u"\u0141ukasz"_s << u"s5-1.wav"_s << true;
    QTest::newRow("sound file") << QString() << u"\u0437\u0432\u0443\u043a.wav"_s << false;
}

// Associate stores a file inside the program folder whatever the folder's
// name, and refuses a name the set file can't hold; nothing is written
// with "?" in place of a character.
void tst_HostileFiles::namesOutsideWindows1252()
{
    QFETCH(QString, folder);
    QFETCH(QString, sound);
    QFETCH(bool, storable);
    SoundProgram program(2, true, folder);
    program.dir.write(u"sounds/"_s + sound, FakeAudioDevice::sound());
    program.dir.remove(u"sounds/s2-4.wav"_s);
    runTo(program, Step::Start);
    // The sound check repaired the missing file within the program folder.
    QCOMPARE(program.setLines(SoundSet).at(3), u"appdir\\default.wav"_s);

    program.windows->FSound->show();
    TFAudio *editor = program.windows->FAudio;
    editor->show();
    const QString before = program.windows->sounds.ListBox1.entry(0);
    associate(editor, sound);
    const QStringList refusal{
        u"The name of the file %1 holds characters that a sound set can't keep.\r\n"
        "Please rename the file, or move it to a folder whose name has none of them."_s.arg(
            native(program, u"sounds/"_s + sound))};
    QCOMPARE(program.recorder.messages, storable ? QStringList() : refusal);
    QCOMPARE(editor->Changed, storable);
    QTest::mouseClick(control<QPushButton>(editor, u"BitBtn2"_s), Qt::LeftButton);

    QCOMPARE(program.setLines(SoundSet).at(0), storable ? u"appdir\\sounds\\"_s + sound : before);
    QVERIFY(!program.dir.read(SoundSet).contains('?'));
    QCOMPARE(program.recorder.messages, storable ? QStringList() : refusal);
}

// A read-only program folder does not greet the pupil with a message at
// every start: a set that needed no repair is not written.
void tst_HostileFiles::soundCheckWritesOnlyRepairs()
{
    SoundProgram program(2);
    const QDateTime written = QFileInfo(program.dir.path(SoundSet)).lastModified();
    QFile::setPermissions(program.dir.path(SoundSet), QFile::ReadOwner | QFile::ReadGroup);
    {
        PermissionChecks checks;
        runTo(program, Step::Start);
        program.windows->FSound->selectSequence(0);
        program.windows->FSound->selectSequence(2);
    }
    QCOMPARE(program.recorder.messages, QStringList());
    QCOMPARE(QFileInfo(program.dir.path(SoundSet)).lastModified(), written);
}

void tst_HostileFiles::unreadableSetIsReportedOncePerRun()
{
    SoundProgram program(2);
    program.dir.remove(SoundSet);
    QVERIFY(QDir().mkpath(program.dir.path(SoundSet)));
    runTo(program, Step::Start);
    const QStringList first = program.recorder.messages;
    QVERIFY(!first.isEmpty());
    // Coming back from drills and closing the sound options brings nothing new.
    for (int drill = 0; drill < 2; ++drill) {
        runDrill(*program.windows);
        program.windows->FSound->show();
        QTest::mouseClick(control<QPushButton>(program.windows->FSound, u"BitBtn1"_s), Qt::LeftButton);
    }
    QCOMPARE(program.recorder.messages, first);
}

void tst_HostileFiles::longFileContentIsCutInMessages()
{
    SoundProgram program(0);
    program.dir.write(Choices, "4\r\n" + QByteArray(1 << 20, 'x') + "\r\n");
    runTo(program, Step::Start);
    QCOMPARE(program.recorder.messages,
             QStringList{u"'"_s + QString(60, u'x') + u"\u2026' is not a valid integer value"_s});
    QVERIFY(control<QCheckBox>(program.windows->FStart, u"CheckBox4"_s)->isChecked());
}

void tst_HostileFiles::leftoversOfInterruptedSavesAreRemoved()
{
    SoundProgram program(0);
    const QStringList leftovers{u"sys/multable.ini.Ab12Cd"_s, u"sys/choices.txt.000000"_s,
                                u"sys/Sound3.txt.zZzZzZ"_s};
    const QStringList kept{u"sys/multable.ini.bak"_s, u"sys/notes.txt.Ab12Cd"_s,
                           u"sys/multable.ini.Ab12Cde"_s};
    for (const QString &file : leftovers + kept)
        program.dir.write(file, "x");
    runTo(program, Step::Create);
    for (const QString &file : leftovers)
        QVERIFY2(!program.dir.exists(file), qPrintable(file));
    for (const QString &file : kept)
        QVERIFY2(program.dir.exists(file), qPrintable(file));
}

QTEST_MAIN(tst_HostileFiles)
#include "tst_HostileFiles.moc"
