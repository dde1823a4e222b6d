#include "AppDirFixture.h"
#include "Cp1252.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "TFCalculator.h"
#include "TFStart.h"
#include "TFSwap.h"
#include "TGradient.h"
#include "UpDown.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray languageFile(const QString &word)
{
    return Cp1252::encode(u"[FStart]\r\nvOne="_s + word + u" 1\r\nvCaptionGroupBox="_s + word
                          + u" tables\r\nvQuitBtn="_s + word + u" quit\r\nvMenuFilesCaption="_s + word
                          + u" file\r\nvMenuProgressCaption="_s + word + u" progress\r\n"
                            "[FSwap]\r\nvFSWapCaption="_s + word + u" expert\r\n"_s);
}

// A program folder with English, French and German texts and the given
// settings and choice of tables.
struct Program
{
    explicit Program(const QByteArray &settings = {}, const QByteArray &choices = {})
    {
        dir.write(u"sys/multable.ini"_s, settings);
        dir.write(u"sys/choices.txt"_s, choices);
        dir.write(u"sys/en.lng"_s, languageFile(u"English"_s));
        dir.write(u"sys/fr.lng"_s, languageFile(u"Fran\u00e7ais"_s));
        dir.write(u"sys/de.lng"_s, languageFile(u"Deutsch"_s));
    }

    bool start()
    {
        windows = std::make_unique<WindowSet>(dir.path());
        return windows->create();
    }

    // Starts the program as its entry does, for a pupil to click in, and
    // waits until every window is made and the start window's show steps ran.
    bool open()
    {
        windows = std::make_unique<WindowSet>(dir.path());
        return windows->start() && QTest::qWaitFor([this] { return windows->FSoundTest; });
    }

    TFStart *start_window() const { return windows->FStart; }
    QCheckBox *box(int table) const
    {
        return start_window()->findChild<QCheckBox *>(u"CheckBox%1"_s.arg(table));
    }
    // Clicks the box itself, where a pupil clicks whatever its text.
    void click(int table) const
    {
        QCheckBox *target = box(table);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
    }
    template<typename T = QPushButton>
    T *control(const QString &name) const { return start_window()->findChild<T *>(name); }
    QStringList ticked() const
    {
        QStringList tables;
        for (int table = 1; table <= 12; ++table)
            if (box(table)->isChecked())
                tables << QString::number(table);
        return tables;
    }
    ProfileFile settings() const { return ProfileFile(dir.path(u"sys/multable.ini"_s)); }

    AppDirFixture dir;
    MessageRecorder recorder;
    std::unique_ptr<WindowSet> windows;
};

} // namespace

class tst_TFStart : public QObject
{
    Q_OBJECT

private slots:
    void refusesToStartWithoutSettings();
    void writesOperatorListsOnFirstRun();
    void leavesOperatorListsOnLaterRuns();
    void readsChoiceFile_data();
    void readsChoiceFile();
    void readsSettingsWhenChoiceFileIsMissing();
    void languageMenu_data();
    void languageMenu();
    void invertsTheSelection();
    void selectAllThenInvertClearsAll();
    void showsTheStartWindowBeforeMakingTheOthers();
    void finishesStartupOnceEvenWithoutDrawing();
    void inputBeforeTheOtherWindowsWaitsForThem_data();
    void inputBeforeTheOtherWindowsWaitsForThem();
    void startIsTheDefaultAndQuitHasTheFocus();
    void quitWritesChoiceAndSettings_data();
    void quitWritesChoiceAndSettings();
    void quitWithoutTicksWritesEmptyChoice();
    void quitShowsLoudspeakerOnlyWithSound_data();
    void quitShowsLoudspeakerOnlyWithSound();
    void quitEndsEvenWhenFilesCannotBeWritten();
    void switchesLanguageAtOnce();
    void switchedLanguageIsWrittenOnlyAtQuit();
    void quitBeforeTheDrillWindowKeepsTheStoredOperator();
    void fileMenuAsksForProgress();
    void smallestMultiplicatorTakesEffect();
};

void tst_TFStart::refusesToStartWithoutSettings()
{
    Program program;
    program.dir.remove(u"sys/multable.ini"_s);
    QVERIFY(!program.start());
    QCOMPARE(program.recorder.messages,
             QStringList{u"Initiation file not found !\nPlease re-install Numerillo"_s});
    QVERIFY(!program.dir.exists(u"sys/enOpSel.txt"_s));
}

void tst_TFStart::writesOperatorListsOnFirstRun()
{
    Program program;
    program.dir.write(u"sys/frOpSel.txt"_s, "old\r\n");
    QVERIFY(program.start());
    QCOMPARE(program.dir.read(u"sys/enOpSel.txt"_s),
             QByteArray("Operator: Multiply\r\nOperator: Divide\r\nOperator: Alternate\r\n"
                        "Operator: Random\r\n"));
    QCOMPARE(program.dir.read(u"sys/frOpSel.txt"_s),
             QByteArray("Op\xe9rateur: Multiplier\r\nOp\xe9rateur: Diviser\r\nOp\xe9rateur: Altern\xe9\r\n"
                        "Op\xe9rateur: Al\xe9\x61toire\r\n"));
}

void tst_TFStart::leavesOperatorListsOnLaterRuns()
{
    Program program;
    program.dir.write(u"sys/enOpSel.txt"_s, "mine\r\n");
    QVERIFY(program.start());
    QCOMPARE(program.dir.read(u"sys/enOpSel.txt"_s), QByteArray("mine\r\n"));
    QVERIFY(!program.dir.exists(u"sys/frOpSel.txt"_s));
}

void tst_TFStart::readsChoiceFile_data()
{
    QTest::addColumn<QByteArray>("choices");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("three tables") << QByteArray("2\r\n5\r\n12\r\n") << QStringList{"2", "5", "12"} << QStringList();
    QTest::newRow("empty") << QByteArray() << QStringList() << QStringList();
    QTest::newRow("LF and CR line ends") << QByteArray("3\n4\r7") << QStringList{"3", "4", "7"} << QStringList();
    QTest::newRow("0, 13 and negative numbers are ignored")
        << QByteArray("0\r\n13\r\n-4\r\n6\r\n") << QStringList{"6"} << QStringList();
    QTest::newRow("text stops the reading")
        << QByteArray("3\r\nabc\r\n5\r\n") << QStringList{"3"}
        << QStringList{u"'abc' is not a valid integer value"_s};
    QTest::newRow("binary bytes")
        << QByteArray("\xff\x00\x01", 3) << QStringList()
        << QStringList{u"'\u00ff\u0000\u0001' is not a valid integer value"_s};
}

void tst_TFStart::readsChoiceFile()
{
    QFETCH(QByteArray, choices);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, messages);
    Program program({}, choices);
    QVERIFY(program.start());

    QCOMPARE(program.ticked(), ticked);
    QCOMPARE(program.windows->context.LBChoice, ticked);
    QCOMPARE(program.recorder.messages, messages);
    QCOMPARE(program.control(u"BitBtn2"_s)->isEnabled(), !ticked.isEmpty());
    QCOMPARE(program.control(u"BitBtn5"_s)->isEnabled(), !ticked.isEmpty());
}

void tst_TFStart::readsSettingsWhenChoiceFileIsMissing()
{
    Program program("[SON]\r\nBouton=3\r\n[GLOBAL]\r\nRange=5\r\n");
    program.dir.remove(u"sys/choices.txt"_s);
    QVERIFY(program.start());

    QCOMPARE(program.recorder.messages,
             QStringList{u"Cannot open file "_s
                         + QDir::toNativeSeparators(program.dir.path(u"sys/choices.txt"_s))});
    QCOMPARE(program.windows->context.settings.Bouton, 3);
    QCOMPARE(program.windows->context.settings.Range, 5);
}

void tst_TFStart::languageMenu_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("tickedItem");
    QTest::addColumn<QString>("quitCaption");

    QTest::newRow("stored French") << QByteArray("[GLOBAL]\r\nLanguage=fr") << "Fr" << u"Fran\u00e7ais quit"_s;
    QTest::newRow("stored German") << QByteArray("[GLOBAL]\r\nLanguage=de") << "De" << "Deutsch quit";
    // Files are found whatever the letter case; the tick needs the code itself.
    QTest::newRow("stored in capitals") << QByteArray("[GLOBAL]\r\nLanguage=EN") << "" << "English quit";
    QTest::newRow("stored language without a file") << QByteArray("[GLOBAL]\r\nLanguage=it") << "It" << "";
}

void tst_TFStart::languageMenu()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, tickedItem);
    QFETCH(QString, quitCaption);
    Program program(settings);
    QVERIFY(program.start());

    for (const char *item : {"En", "Fr", "Nl", "De", "It", "Sp", "New"}) {
        const QString name = QString::fromLatin1(item);
        const QAction *action = program.control<QAction>(name);
        QVERIFY2(action, item);
        const bool hasFile = name == u"En"_s || name == u"Fr"_s || name == u"De"_s;
        QCOMPARE(action->isEnabled(), hasFile);
        QCOMPARE(action->isChecked(), name == tickedItem);
    }
    QCOMPARE(program.control<QAction>(u"Fr"_s)->text(), u"Fran\u00e7ais"_s);
    QCOMPARE(program.control(u"BitBtn1"_s)->text(), quitCaption);
}

void tst_TFStart::invertsTheSelection()
{
    Program program;
    QVERIFY(program.open());
    program.click(1);
    program.click(3);
    QCOMPARE(program.windows->context.LBChoice, (QStringList{"1", "3"}));
    QVERIFY(program.control(u"BitBtn2"_s)->isEnabled());

    QTest::mouseClick(program.control(u"BitBtn4"_s), Qt::LeftButton);
    QCOMPARE(program.windows->context.LBChoice,
             (QStringList{"2", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
}

void tst_TFStart::selectAllThenInvertClearsAll()
{
    Program program;
    QVERIFY(program.open());
    QTest::mouseClick(program.control(u"BitBtn3"_s), Qt::LeftButton);
    QCOMPARE(program.windows->context.LBChoice.size(), 12);
    QVERIFY(program.control(u"BitBtn5"_s)->isEnabled());

    QTest::mouseClick(program.control(u"BitBtn4"_s), Qt::LeftButton);
    QVERIFY(program.windows->context.LBChoice.isEmpty());
    QVERIFY(!program.control(u"BitBtn2"_s)->isEnabled());
    QVERIFY(!program.control(u"BitBtn5"_s)->isEnabled());
}

// The pupil sees the start window at once; the other windows are made after
// its first drawing, and only then do its show steps run, since they use them.
void tst_TFStart::showsTheStartWindowBeforeMakingTheOthers()
{
    Program program("[GLOBAL]\r\nRange=5\r\n", "2\r\n");
    program.windows = std::make_unique<WindowSet>(program.dir.path());
    QVERIFY(program.windows->start());
    QVERIFY(program.start_window()->isVisible());
    QVERIFY(!program.windows->FCalculator);
    // Below its menu bar the window has the whole area the panels are laid
    // out for.
    QCOMPARE(program.control<TGradient>(u"Gradient1"_s)->size(), QSize(748, 533));
    QVERIFY(program.box(2)->isChecked());

    QTRY_VERIFY(program.windows->FSoundTest);
    QVERIFY(program.windows->FCalculator);
    QCOMPARE(control<UpDown>(program.windows->FSwap, u"UpDown1"_s)->value(), 5);
    QCOMPARE(QApplication::focusWidget(), program.control(u"BitBtn1"_s));
    program.start_window()->BitBtn1Click();
}

// A start window that is not drawn at once finishes its start-up from a
// timer; the drawing that follows later must not start it again.
void tst_TFStart::finishesStartupOnceEvenWithoutDrawing()
{
    Program program;
    program.windows = std::make_unique<WindowSet>(program.dir.path());
    QVERIFY(program.windows->start());
    program.start_window()->finishStartup();
    TFCalculator *drill = program.windows->FCalculator;
    QVERIFY(drill);
    QCOMPARE(program.start_window()->focusWidget(), program.control(u"BitBtn1"_s));

    QVERIFY(QTest::qWaitForWindowExposed(program.start_window()));
    program.start_window()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(program.windows->FCalculator, drill);
    program.start_window()->BitBtn1Click();
}

void tst_TFStart::inputBeforeTheOtherWindowsWaitsForThem_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("Enter starts a drill") << u"enter"_s;
    QTest::newRow("click on a table") << u"click"_s;
    QTest::newRow("close box quits") << u"close"_s;
}

// A key or a click that comes before the start window's first drawing, when
// only the start window exists, waits until every window is made and the
// show steps have run, and then takes effect.
void tst_TFStart::inputBeforeTheOtherWindowsWaitsForThem()
{
    QFETCH(QString, input);
    Program program("[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=0\r\n", "2\r\n");
    program.windows = std::make_unique<WindowSet>(program.dir.path());
    QVERIFY(program.windows->start());
    TFStart *start = program.start_window();
    QVERIFY(!program.windows->FCalculator);
    if (input == u"enter") {
        bool drilled = false;
        QTimer::singleShot(0, start, [&] {
            TFCalculator *drill = program.windows->FCalculator;
            drilled = drill && drill->isVisible();
            if (drill)
                drill->reject();
        });
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(drilled);
    } else if (input == u"click") {
        program.click(5);
        QCOMPARE(program.windows->context.LBChoice, (QStringList{u"2"_s, u"5"_s}));
    } else {
        QCloseEvent close;
        QCoreApplication::sendEvent(start, &close);
        QVERIFY(start->hasQuit());
    }
    QVERIFY(program.windows->FCalculator);
    QVERIFY(program.windows->FSoundTest);
    start->BitBtn1Click();
}

void tst_TFStart::startIsTheDefaultAndQuitHasTheFocus()
{
    Program program({}, "4\r\n");
    QVERIFY(program.open());
    QVERIFY(program.control(u"BitBtn2"_s)->isDefault());
    QCOMPARE(QApplication::focusWidget(), program.control(u"BitBtn1"_s));

    // Enter opens the drill; closing it brings the start window back.
    bool drillOpened = false;
    TFCalculator *drill = program.windows->FCalculator;
    QTimer::singleShot(0, drill, [&] {
        drillOpened = drill->isVisible() && !program.start_window()->isVisible();
        drill->close();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(drillOpened);
    QVERIFY(program.start_window()->isVisible());
    QVERIFY(!program.start_window()->hasQuit());

    // With no table ticked, Enter does nothing.
    program.click(4);
    QVERIFY(!program.control(u"BitBtn2"_s)->isEnabled());
    QTest::keyClick(program.control(u"BitBtn1"_s), Qt::Key_Return);
    QVERIFY(!drill->isVisible());
    QVERIFY(!program.start_window()->hasQuit());
    program.start_window()->BitBtn1Click();
}

void tst_TFStart::quitWritesChoiceAndSettings_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("quit button") << "button";
    QTest::newRow("file menu") << "menu";
    QTest::newRow("close box") << "close";
}

void tst_TFStart::quitWritesChoiceAndSettings()
{
    QFETCH(QString, way);
    Program program("[PARENTS]\r\nNote=keep me\r\n[GLOBAL]\r\nCalcColor=0x7F87\r\nLanguage=en\r\n", "2\r\n");
    QVERIFY(program.open());
    program.click(5);

    if (way == u"button"_s)
        QTest::mouseClick(program.control(u"BitBtn1"_s), Qt::LeftButton);
    else if (way == u"menu"_s)
        program.control<QAction>(u"Quit"_s)->trigger();
    else
        program.start_window()->close();

    QVERIFY(program.start_window()->hasQuit());
    QCOMPARE(program.dir.read(u"sys/choices.txt"_s), QByteArray("2\r\n5\r\n"));
    const ProfileFile settings = program.settings();
    QCOMPARE(settings.readString(u"PARENTS"_s, u"Note"_s), u"keep me"_s);
    QCOMPARE(settings.readString(u"GLOBAL"_s, u"CalcColor"_s), u"32647"_s);
    QCOMPARE(settings.readString(u"GLOBAL"_s, u"Operation"_s), u"-1"_s);
    QCOMPARE(settings.readString(u"CHRONO"_s, u"Jauge"_s), u"1"_s);
    QCOMPARE(settings.readString(u"GLOBAL"_s, u"Language"_s), u"en"_s);
    QVERIFY(program.recorder.messages.isEmpty());
}

void tst_TFStart::quitWithoutTicksWritesEmptyChoice()
{
    Program program({}, "3\r\n");
    QVERIFY(program.open());
    program.click(3);
    program.start_window()->BitBtn1Click();
    QVERIFY(program.dir.exists(u"sys/choices.txt"_s));
    QCOMPARE(program.dir.read(u"sys/choices.txt"_s), QByteArray());
}

void tst_TFStart::quitShowsLoudspeakerOnlyWithSound_data()
{
    QTest::addColumn<int>("bouton");
    QTest::addColumn<bool>("shown");
    QTest::newRow("silence") << 0 << false;
    QTest::newRow("sound set 2") << 2 << true;
}

void tst_TFStart::quitShowsLoudspeakerOnlyWithSound()
{
    QFETCH(int, bouton);
    QFETCH(bool, shown);
    Program program("[SON]\r\nBouton=" + QByteArray::number(bouton) + "\r\n");
    QVERIFY(program.start());
    program.start_window()->show();
    program.start_window()->BitBtn1Click();
    QCOMPARE(program.control<QLabel>(u"Image1"_s)->isVisibleTo(program.start_window()), shown);
}

// A folder in the way of each file: neither file can be made.
void tst_TFStart::quitEndsEvenWhenFilesCannotBeWritten()
{
    Program program("[SON]\r\nBouton=0\r\n");
    QVERIFY(program.start());
    for (const QString &file : {u"sys/choices.txt"_s, u"sys/multable.ini"_s}) {
        program.dir.remove(file);
        QVERIFY(QDir().mkpath(program.dir.path(file)));
    }
    program.start_window()->BitBtn1Click();

    QVERIFY(program.start_window()->hasQuit());
    const auto native = [&](const QString &file) { return QDir::toNativeSeparators(program.dir.path(file)); };
    QCOMPARE(program.recorder.messages,
             (QStringList{u"Cannot create file "_s + native(u"sys/choices.txt"_s),
                          u"Cannot create file "_s + native(u"sys/multable.ini"_s)}));
}

void tst_TFStart::switchesLanguageAtOnce()
{
    Program program("[GLOBAL]\r\nLanguage=en\r\n");
    QVERIFY(program.start());
    QCOMPARE(program.control<QGroupBox>(u"GroupBox1"_s)->title(), u" English tables "_s);

    program.control<QAction>(u"De"_s)->trigger();
    QCOMPARE(program.windows->context.LanguageCode, u"de"_s);
    QCOMPARE(program.control<QGroupBox>(u"GroupBox1"_s)->title(), u" Deutsch tables "_s);
    QVERIFY(program.control<QAction>(u"De"_s)->isChecked());
    QVERIFY(!program.control<QAction>(u"En"_s)->isChecked());

    TFSwap *expert = program.windows->FSwap;
    expert->show();
    QCOMPARE(expert->windowTitle(), u"Deutsch expert"_s);
    expert->BitBtn1Click();
}

// The pupil may quit before the other windows are made (at once after the
// start): the operator in the settings file stays as it was.
void tst_TFStart::quitBeforeTheDrillWindowKeepsTheStoredOperator()
{
    Program program("[GLOBAL]\r\nOperation=2\r\n");
    program.windows = std::make_unique<WindowSet>(program.dir.path());
    QVERIFY(program.windows->create({}));
    QVERIFY(!program.windows->FCalculator);
    program.start_window()->BitBtn1Click();
    QVERIFY(program.start_window()->hasQuit());
    QCOMPARE(program.settings().readString(u"GLOBAL"_s, u"Operation"_s), u"2"_s);
}

void tst_TFStart::switchedLanguageIsWrittenOnlyAtQuit()
{
    Program program("[GLOBAL]\r\nLanguage=en\r\n");
    QVERIFY(program.start());
    program.control<QAction>(u"Fr"_s)->trigger();
    QCOMPARE(program.settings().readString(u"GLOBAL"_s, u"Language"_s), u"en"_s);
    program.start_window()->BitBtn1Click();
    QCOMPARE(program.settings().readString(u"GLOBAL"_s, u"Language"_s), u"fr"_s);
}

void tst_TFStart::fileMenuAsksForProgress()
{
    Program program("[GLOBAL]\r\nLanguage=en\r\n");
    QVERIFY(program.start());
    auto *progress = program.control<QAction>(u"Progress1"_s);
    QVERIFY(progress);
    QCOMPARE(progress->text(), u"English progress"_s);
    QVERIFY(program.control<QMenu>(u"FileMenu"_s)->actions().contains(progress));
    QSignalSpy requested(program.start_window(), &TFStart::progressRequested);
    // The progress window it opens is closed at once.
    QTimer::singleShot(0, [] {
        if (QWidget *opened = QApplication::activeModalWidget())
            opened->close();
    });
    progress->trigger();
    QCOMPARE(requested.size(), 1);
    program.control<QAction>(u"Fr"_s)->trigger();
    QCOMPARE(progress->text(), u"Fran\u00e7ais progress"_s);
}

// The pupil's smallest multiplicator survives the start window's activation,
// and the quit writes it back.
void tst_TFStart::smallestMultiplicatorTakesEffect()
{
    Program program("[GLOBAL]\r\nRange=3\r\n");
    QVERIFY(program.start());
    TFStart *start = program.start_window();
    start->FormActivate();
    QCOMPARE(program.windows->context.LBRange.first(), u"3"_s);
    QCOMPARE(program.windows->context.LBRange.last(), u"12"_s);

    TFSwap *expert = program.windows->FSwap;
    expert->show();
    QTest::mouseClick(control<UpDown>(expert, u"UpDown1"_s)->findChild<QToolButton *>(u"up"_s), Qt::LeftButton);
    QCOMPARE(expert->findChild<QLineEdit *>(u"Edit1"_s)->text(), u"4"_s);
    QTest::mouseClick(control<QPushButton>(expert, u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(!expert->isVisible());
    start->FormActivate();
    QCOMPARE(program.windows->context.LBRange, (QStringList{"4", "5", "6", "7", "8", "9", "10", "11", "12"}));

    start->BitBtn1Click();
    QCOMPARE(program.settings().readString(u"GLOBAL"_s, u"Range"_s), u"4"_s);
}

QTEST_MAIN(tst_TFStart)
#include "tst_TFStart.moc"
