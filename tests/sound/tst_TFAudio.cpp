// The sound set editor: its event list, the file browser, Associate and what
// OK asks and writes.

#include "SoundProgram.h"
#include "TFAudio.h"
#include "TFSound.h"
#include "TMediaPlayer.h"
#include "WindowControls.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

void choose(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QRadioButton *>(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void clickRow(QListWidget *list, int row, bool twice = false)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class tst_TFAudio : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheSetWithItsFirstEvent();
    void selectingAnEventShowsItsFile_data();
    void selectingAnEventShowsItsFile();
    void eventTitlesMissing();
    void browserOpensOnTheSoundsFolder();
    void escapeClosesOnlyTheBrowser();
    void aFolderWithoutSoundsDisablesAssociate();
    void associateAndOk_data();
    void associateAndOk();
    void unchangedSetAsksNothing();
    void titleIsLimitedAndSavedWhateverTheAnswer();
    void titleCaptionsInTheCurrentLanguage();
    void playersCloseEachOther();

private:
    // The program with its editor; questions get the given answer.
    void setUp(bool answer);

    std::unique_ptr<SoundProgram> m_program;
    TFAudio *m_editor = nullptr;
};

void tst_TFAudio::init()
{
    setUp(true);
}

void tst_TFAudio::setUp(bool answer)
{
    m_program.reset();
    m_program = std::make_unique<SoundProgram>(2, answer);
    m_program->dir.write(u"sounds/zz-bell.MP3"_s, FakeAudioDevice::sound());
    m_program->dir.write(u"sounds/notes.txt"_s, "not a sound");
    m_program->dir.write(u"sounds/empty/readme.txt"_s, "nothing here");
    m_program->create();
    m_program->start();
    m_program->windows->FSound->show(); // its titles come from sys/SoundStr.txt
    m_program->windows->FSound->hide();
    m_program->device.log.clear();
    m_editor = m_program->windows->FAudio;
}

void tst_TFAudio::cleanup()
{
    m_program.reset();
}

void tst_TFAudio::showsTheSetWithItsFirstEvent()
{
    m_editor->show();
    QCOMPARE(m_editor->windowTitle(), QString());
    QCOMPARE(m_editor->findChild<QRadioButton *>(u"Event6"_s)->text(), u"Event 6 (6)");
    QVERIFY(m_editor->findChild<QRadioButton *>(u"Event1"_s)->isChecked());
    QCOMPARE(m_editor->findChild<QGroupBox *>(u"RadioGroup1"_s)->title(), u"Events for \"Set B\" ");
    QCOMPARE(m_editor->findChild<QLineEdit *>(u"Edit1"_s)->text(), u"Set B");
    QCOMPARE(m_editor->findChild<QLabel *>(u"Label2"_s)->text(), u"Sound file for event (1)");
    QCOMPARE(m_editor->findChild<QLabel *>(u"Label3"_s)->text(),
             native(m_program->dir.path(u"sounds/s2-1.wav"_s)));
    QVERIFY(m_editor->findChild<QWidget *>(u"Panel1"_s)->isHidden());
    QCOMPARE(m_editor->width(), 427);
    QCOMPARE(m_program->recorder.messages, QStringList());
}

void tst_TFAudio::selectingAnEventShowsItsFile_data()
{
    QTest::addColumn<int>("event");
    QTest::newRow("first column") << 3;
    QTest::newRow("second column") << 5;
    QTest::newRow("last") << 8;
}

void tst_TFAudio::selectingAnEventShowsItsFile()
{
    QFETCH(int, event);
    m_editor->show();
    choose(m_editor, u"Event%1"_s.arg(event));
    const QString file = m_program->dir.path(u"sounds/s2-%1.wav"_s.arg(event));
    QCOMPARE(control<QLabel>(m_editor, u"Label2"_s)->text(), u"Sound file for event (%1)"_s.arg(event));
    QCOMPARE(control<QLabel>(m_editor, u"Label3"_s)->text(), native(file));
    QCOMPARE(control<TMediaPlayer>(m_editor, u"MP3"_s)->player.FileName, file);
    QCOMPARE(control<QGroupBox>(m_editor, u"GroupBox3"_s)->title(), u"Event %1 (%1)"_s.arg(event));
}

void tst_TFAudio::eventTitlesMissing()
{
    m_program->dir.remove(u"sys/en-soundevents.txt"_s);
    m_editor->show();
    QCOMPARE(m_program->recorder.messages,
             QStringList{u"Cannot open file %1"_s
                             .arg(native(m_program->dir.path(u"sys/en-soundevents.txt"_s)))});
    // The titles read before stay.
    QCOMPARE(control<QRadioButton>(m_editor, u"Event2"_s)->text(), u"Event 2 (2)");
}

void tst_TFAudio::browserOpensOnTheSoundsFolder()
{
    m_editor->show();
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(control<QFrame>(m_editor, u"Panel1"_s)->isVisible());
    QVERIFY(!control<QPushButton>(m_editor, u"BitBtn1"_s)->isEnabled());
    QCOMPARE(m_editor->width(), 634);
    const QString sounds = m_program->dir.path(u"sounds"_s);
    QCOMPARE(control<QLabel>(m_editor, u"Label1"_s)->text(), native(sounds));
    QCOMPARE(control<QComboBox>(m_editor, u"DriveComboBox1"_s)->currentText(), u"/");

    QListWidget *files = control<QListWidget>(m_editor, u"FileListBox1"_s);
    QCOMPARE(files->count(), 5 * 8 + 1);
    QCOMPARE(files->item(0)->text(), u"s1-1.wav");
    QCOMPARE(files->item(files->count() - 1)->text(), u"zz-bell.MP3");
    QCOMPARE(files->currentRow(), 0);
    QCOMPARE(control<TMediaPlayer>(m_editor, u"MP2"_s)->player.FileName, sounds + u"/s1-1.wav"_s);
    QVERIFY(control<TMediaPlayer>(m_editor, u"MP2"_s)->isVisible());
    QVERIFY(control<QPushButton>(m_editor, u"BitBtn4"_s)->isEnabled());

    clickRow(files, 3);
    QCOMPARE(control<TMediaPlayer>(m_editor, u"MP2"_s)->player.FileName, sounds + u"/s1-4.wav"_s);

    // A double click plays the file at once.
    m_program->device.log.clear();
    clickRow(files, 3, true);
    QVERIFY(m_program->device.log.contains(u"start sounds/s1-4.wav"_qs));

    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn3"_s), Qt::LeftButton);
    QVERIFY(control<QFrame>(m_editor, u"Panel1"_s)->isHidden());
    QVERIFY(control<QPushButton>(m_editor, u"BitBtn1"_s)->isEnabled());
    QCOMPARE(m_editor->width(), 427);
}

void tst_TFAudio::escapeClosesOnlyTheBrowser()
{
    m_editor->show();
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn1"_s), Qt::LeftButton);
    QTest::keyClick(m_editor, Qt::Key_Escape);
    QVERIFY(control<QFrame>(m_editor, u"Panel1"_s)->isHidden());
    QVERIFY(m_editor->isVisible());
    QTest::keyClick(m_editor, Qt::Key_Escape);
    QVERIFY(m_editor->isVisible());
}

void tst_TFAudio::aFolderWithoutSoundsDisablesAssociate()
{
    m_editor->show();
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn1"_s), Qt::LeftButton);
    QTreeView *folders = control<QTreeView>(m_editor, u"DirectoryListBox1"_s);
    const QModelIndex sounds = folders->currentIndex();
    QTRY_COMPARE(folders->model()->rowCount(sounds), 1);
    const QModelIndex empty = folders->model()->index(0, 0, sounds);
    folders->scrollTo(empty);
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualRect(empty).center());

    QCOMPARE(control<QLabel>(m_editor, u"Label1"_s)->text(), native(m_program->dir.path(u"sounds/empty"_s)));
    QCOMPARE(control<QListWidget>(m_editor, u"FileListBox1"_s)->count(), 0);
    QVERIFY(!control<QPushButton>(m_editor, u"BitBtn4"_s)->isEnabled());
    QVERIFY(control<TMediaPlayer>(m_editor, u"MP2"_s)->isHidden());
}

void tst_TFAudio::associateAndOk_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void tst_TFAudio::associateAndOk()
{
    QFETCH(bool, answer);
    setUp(answer);
    const QByteArray before = m_program->dir.read(u"sys/Sound2.txt"_s);

    m_editor->show();
    choose(m_editor, u"Event3"_s);
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn1"_s), Qt::LeftButton);
    clickRow(control<QListWidget>(m_editor, u"FileListBox1"_s), control<QListWidget>(m_editor, u"FileListBox1"_s)->count() - 1);
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn4"_s), Qt::LeftButton);

    // The test folder lies deeper than the first folder below the root, so
    // the file is stored with its full path.
    const QString file = m_program->dir.path(u"sounds/zz-bell.MP3"_s);
    QCOMPARE(m_program->windows->sounds.ListBox1.entry(2), file);
    QCOMPARE(control<QLabel>(m_editor, u"Label3"_s)->text(), native(file));
    QCOMPARE(control<TMediaPlayer>(m_editor, u"MP3"_s)->player.FileName, file);

    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn2"_s), Qt::LeftButton);
    QCOMPARE(m_program->recorder.questions, QStringList{"\"Set B\" has been changed. Save it?"});
    QVERIFY(m_editor->isHidden());
    QVERIFY(control<QFrame>(m_editor, u"Panel1"_s)->isHidden());
    QStringList expected = m_program->setLines(u"sys/Sound2.txt"_s);
    if (answer) {
        QCOMPARE(expected[2], file);
        expected[2] = m_program->sequenceLine(2, 3);
        QCOMPARE(expected.join(u"\r\n").toLatin1() + "\r\n", before);
    } else {
        QCOMPARE(m_program->dir.read(u"sys/Sound2.txt"_s), before);
    }
    QCOMPARE(m_program->dir.read(u"sys/SoundStr.txt"_s),
             "No sound\r\nSet A\r\nSet B\r\nSet C\r\nSet D\r\nSet E\r\n");

    // The next opening starts unchanged, from the file.
    m_editor->show();
    QVERIFY(!m_editor->Changed);
    QCOMPARE(m_program->windows->sounds.ListBox1.entry(2), answer ? file : m_program->sequenceLine(2, 3));
}

void tst_TFAudio::unchangedSetAsksNothing()
{
    m_program->dir.remove(u"sys/SoundStr.txt"_s);
    const QByteArray before = m_program->dir.read(u"sys/Sound2.txt"_s);
    m_editor->show();
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn2"_s), Qt::LeftButton);
    QCOMPARE(m_program->recorder.questions, QStringList());
    QCOMPARE(m_program->dir.read(u"sys/Sound2.txt"_s), before);
    QCOMPARE(m_program->dir.read(u"sys/SoundStr.txt"_s),
             "No sound\r\nSet A\r\nSet B\r\nSet C\r\nSet D\r\nSet E\r\n");
}

void tst_TFAudio::titleIsLimitedAndSavedWhateverTheAnswer()
{
    setUp(false);
    m_editor->show();
    QApplication::setActiveWindow(m_editor);
    QLineEdit *title = control<QLineEdit>(m_editor, u"Edit1"_s);
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, u"Birdsong at dawn"_s);
    QCOMPARE(title->text(), u"Birdsong a");
    QTest::keyClick(title, Qt::Key_Tab);

    QCOMPARE(m_program->windows->FSound->selectedTitle(), u"Birdsong a");
    QCOMPARE(control<QRadioButton>(m_program->windows->FSound, u"Choice2"_s)->text(), u"Birdsong a");
    QCOMPARE(control<QGroupBox>(m_editor, u"GroupBox3"_s)->title(), u"Personnalisation de \"Birdsong a\"");
    QCOMPARE(control<QGroupBox>(m_editor, u"RadioGroup1"_s)->title(), QString::fromUtf8(" \u00c9v\u00e9nements pour \"Birdsong a\" "));

    // Associate once so that OK asks; the answer no keeps the set's file but
    // not the old title.
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn1"_s), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn4"_s), Qt::LeftButton);
    const QByteArray before = m_program->dir.read(u"sys/Sound2.txt"_s);
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn2"_s), Qt::LeftButton);
    QCOMPARE(m_program->recorder.questions, QStringList{"\"Birdsong a\" has been changed. Save it?"});
    QCOMPARE(m_program->dir.read(u"sys/Sound2.txt"_s), before);
    QCOMPARE(m_program->dir.read(u"sys/SoundStr.txt"_s),
             "No sound\r\nSet A\r\nBirdsong a\r\nSet C\r\nSet D\r\nSet E\r\n");
}

// Without these two texts in the language file the editor says them in
// French (above); with them, in the current language.
void tst_TFAudio::titleCaptionsInTheCurrentLanguage()
{
    m_program->dir.write(QStringLiteral("sys/en.lng"), "[FAudio]\r\nvRadioGroupCaption=Events for\r\n"
                                                       "vCustomizeCaption=Customising\r\n"
                                                       "vEventsForCaption=Events for\r\n");
    m_program->windows->UpdateLanguage();
    m_editor->show();
    QApplication::setActiveWindow(m_editor);
    QLineEdit *title = control<QLineEdit>(m_editor, u"Edit1"_s);
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("Owls"));
    QTest::keyClick(title, Qt::Key_Tab);

    QCOMPARE(control<QGroupBox>(m_editor, u"GroupBox3"_s)->title(), u"Customising \"Owls\"");
    QCOMPARE(control<QGroupBox>(m_editor, u"RadioGroup1"_s)->title(), u" Events for \"Owls\" ");
}

void tst_TFAudio::playersCloseEachOther()
{
    m_editor->show();
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn1"_s), Qt::LeftButton);
    QTest::mouseClick(control<TMediaPlayer>(m_editor, u"MP3"_s)->PlayButton, Qt::LeftButton);
    QTest::mouseClick(control<TMediaPlayer>(m_editor, u"MP2"_s)->PlayButton, Qt::LeftButton);
    QTest::mouseClick(control<TMediaPlayer>(m_editor, u"MP3"_s)->StopButton, Qt::LeftButton);
    QCOMPARE(m_program->device.log,
             (QStringList{"open sounds/s2-1.wav", "start sounds/s2-1.wav",
                          "close sounds/s2-1.wav", "open sounds/s1-1.wav", "start sounds/s1-1.wav",
                          "close sounds/s1-1.wav", "open sounds/s2-1.wav", "start sounds/s2-1.wav",
                          "stop sounds/s2-1.wav"}));
    // Closing the window closes the shared player.
    m_program->device.log.clear();
    QTest::mouseClick(control<TMediaPlayer>(m_editor, u"MP2"_s)->PlayButton, Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(m_editor, u"BitBtn2"_s), Qt::LeftButton);
    QVERIFY(m_program->device.log.contains(u"close sounds/s1-1.wav"_qs));
}

QTEST_MAIN(tst_TFAudio)
#include "tst_TFAudio.moc"
