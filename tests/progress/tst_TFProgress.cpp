#include "AppDirFixture.h"
#include "Cp1252.h"
#include "DailyChart.h"
#include "FactGrid.h"
#include "MessageRecorder.h"
#include "TFProgress.h"
#include "WindowSet.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

QByteArray languageFile(const QString &word)
{
    return Cp1252::encode(u"[FProgress]\r\nvFProgressCaption="_s + word
                          + u" progress\r\nvMultiplyGridLbl="_s + word
                          + u" multiplications\r\nvCellTip=%1 %2 %3 %4 %5\r\n"
                            "vCellNotSeenTip=%1 "_s + word
                          + u" unseen\r\nvTotalsLbl=%1 %2 %3\r\nvShakyLbl="_s + word
                          + u" shaky\r\nvDayTip=%1 %2 %3\r\nvDrillWeakBtn="_s + word + u" drill\r\n"_s);
}

// A line of the history file for today, `ms` milliseconds to answer.
QByteArray line(const char *table, const char *multiplicator, const char *sign, const char *verdict,
                const char *ms = "1200")
{
    return QDate::currentDate().toString(u"yyyy-MM-dd"_s).toLatin1() + "\t10:00:00\t" + table + '\t'
           + multiplicator + '\t' + sign + "\t1\t" + verdict + '\t' + ms + "\r\n";
}

struct Program
{
    explicit Program(const QByteArray &history)
    {
        dir.write(u"sys/en.lng"_s, languageFile(u"English"_s));
        dir.write(u"sys/fr.lng"_s, languageFile(u"Fran\u00e7ais"_s));
        dir.write(u"sys/history.txt"_s, history);
        windows = std::make_unique<WindowSet>(dir.path());
        windows->context.LanguageCode = u"en"_s;
        progress = std::make_unique<TFProgress>(windows->context);
        progress->show();
        progress->activateWindow();
        active = QTest::qWaitForWindowActive(progress.get());
    }

    template<typename T>
    T *control(const char *name) const
    {
        return progress->findChild<T *>(QString::fromLatin1(name));
    }

    AppDirFixture dir;
    MessageRecorder recorder;
    std::unique_ptr<WindowSet> windows;
    std::unique_ptr<TFProgress> progress;
    bool active = false;
};

// 8 x 7 twice wrong, 56 : 8 once right, 3 x 3 mastered.
const QByteArray SomeHistory = "date\ttime\n" + line("7", "8", "x", "wrong") + line("7", "8", "x", "time-up")
                               + line("8", "7", "\xf7", "right", "2500") + line("3", "3", "x", "right")
                               + line("3", "3", "x", "right") + line("3", "3", "x", "right");

} // namespace

class tst_TFProgress : public QObject
{
    Q_OBJECT

private slots:
    void showsTheHistory();
    void cellsTellTheirAnswers();
    void followsTheLanguage();
    void drillsTheWeakFacts_data();
    void drillsTheWeakFacts();
    void nothingToDrill();
    void asksForAWorksheet();
    void unreadableHistory_data();
    void unreadableHistory();
};

void tst_TFProgress::showsTheHistory()
{
    Program program(SomeHistory);
    QCOMPARE(program.progress->windowTitle(), u"English progress"_s);
    QCOMPARE(program.control<QLabel>("TotalsLbl")->text(), u"6 67 1"_s);
    QCOMPARE(program.control<QLabel>("MultiplyLbl")->text(), u"English multiplications"_s);
    QCOMPARE(program.progress->model().record(Fact{7, 8, FactSign::Multiply}).state, MasteryState::Shaky);
    QCOMPARE(program.control<DailyChart>("Chart")->dayTip(program.progress->model().days().last()),
             program.control<DailyChart>("Chart")->dayTip({QDate::currentDate(), 6, 4}));
    QCOMPARE(program.progress->model().days().last().answers, 6);

    // An answer saved since is there at the next showing.
    program.progress->hide();
    program.windows->context.history.add({QDate::currentDate(), QTime(11, 0), {3, 3}, u"9"_s,
                                          Verdict::Right, 900});
    program.progress->show();
    QCOMPARE(program.control<QLabel>("TotalsLbl")->text(), u"7 71 1"_s);
}

// The pupil clicks a cell and moves with the arrow keys: the focused cell's
// figures are its tip and its accessible description.
void tst_TFProgress::cellsTellTheirAnswers()
{
    Program program(SomeHistory);
    QVERIFY(program.active);
    auto *grid = program.control<FactGrid>("MultiplyGrid");
    QCOMPARE(grid->accessibleName(), u"English multiplications"_s);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(7, 8).center());
    QVERIFY(grid->hasFocus());
    QCOMPARE(grid->currentFact(), (Fact{7, 8, FactSign::Multiply}));
    QCOMPARE(grid->accessibleDescription(), u"8 x 7 English shaky 2 0 1.2"_s);
    QCOMPARE(QToolTip::text(), grid->accessibleDescription());

    // Pointing at a cell tells the same.
    const QPoint sixFour = grid->cellRect(4, 6).center();
    QHelpEvent pointed(QEvent::ToolTip, sixFour, grid->mapToGlobal(sixFour));
    QApplication::sendEvent(grid, &pointed);
    QCOMPARE(QToolTip::text(), u"6 x 4 English unseen"_s);

    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->currentFact(), (Fact{3, 7, FactSign::Multiply}));
    QCOMPARE(grid->accessibleDescription(), u"7 x 3 English unseen"_s);

    auto *divisions = program.control<FactGrid>("DivideGrid");
    QTest::mouseClick(divisions, Qt::LeftButton, {}, divisions->cellRect(8, 7).center());
    QCOMPARE(divisions->accessibleDescription(), u"56 \u00f7 8  1 1 2.5"_s);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(divisions, Qt::Key_Right);
    QCOMPARE(divisions->currentFact(), (Fact{8, 12, FactSign::Divide}));
}

void tst_TFProgress::followsTheLanguage()
{
    Program program(SomeHistory);
    program.progress->hide();
    program.windows->context.LanguageCode = u"fr"_s;
    program.progress->LoadCaptions();
    QCOMPARE(program.control<QLabel>("MultiplyLbl")->text(), u"Fran\u00e7ais multiplications"_s);
    QCOMPARE(program.control<QPushButton>("DrillWeakBtn")->text(), u"Fran\u00e7ais drill"_s);
    program.progress->show();
    QCOMPARE(program.progress->windowTitle(), u"Fran\u00e7ais progress"_s);
    auto *divisions = program.control<FactGrid>("DivideGrid");
    QTest::mouseClick(divisions, Qt::LeftButton, {}, divisions->cellRect(8, 7).center());
    QCOMPARE(divisions->accessibleDescription(), u"56 : 8  1 1 2,5"_s);
}

void tst_TFProgress::drillsTheWeakFacts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("en") << u"en"_s << QStringList{u"8x7"_s, u"7x8"_s, u"56\u00f77"_s, u"56\u00f78"_s};
    QTest::newRow("fr") << u"fr"_s << QStringList{u"8x7"_s, u"7x8"_s, u"56:7"_s, u"56:8"_s};
}

void tst_TFProgress::drillsTheWeakFacts()
{
    QFETCH(QString, language);
    QFETCH(QStringList, lines);
    Program program(SomeHistory);
    program.windows->context.LanguageCode = language;
    QSignalSpy requested(program.progress.get(), &TFProgress::drillWeakFactsRequested);
    auto *drill = program.control<QPushButton>("DrillWeakBtn");
    QVERIFY(drill->isEnabled());
    QTest::mouseClick(drill, Qt::LeftButton);
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.first().first().toStringList(), lines);
    QVERIFY(!program.progress->isVisible());
}

void tst_TFProgress::nothingToDrill()
{
    Program program(line("3", "3", "x", "right") + line("3", "3", "x", "right")
                    + line("3", "3", "x", "right"));
    QVERIFY(!program.control<QPushButton>("DrillWeakBtn")->isEnabled());
}

void tst_TFProgress::asksForAWorksheet()
{
    Program program(SomeHistory);
    QSignalSpy requested(program.progress.get(), &TFProgress::weakSheetRequested);
    QTest::mouseClick(program.control<QPushButton>("WeakSheetBtn"), Qt::LeftButton);
    QCOMPARE(requested.size(), 1);
}

void tst_TFProgress::unreadableHistory_data()
{
    QTest::addColumn<QByteArray>("history");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xff\x13\t\t\t\r\r\n\x80", 10);
    QTest::newRow("not a history") << QByteArray("[GLOBAL]\r\nLanguage=en\r\n");
}

void tst_TFProgress::unreadableHistory()
{
    QFETCH(QByteArray, history);
    Program program(history);
    QVERIFY(program.progress->isVisible());
    QCOMPARE(program.control<QLabel>("TotalsLbl")->text(), u"0 0 0"_s);
    QVERIFY(program.recorder.messages.isEmpty());
    QCOMPARE(program.dir.read(u"sys/history.txt"_s), history);
}

QTEST_MAIN(tst_TFProgress)
#include "tst_TFProgress.moc"
