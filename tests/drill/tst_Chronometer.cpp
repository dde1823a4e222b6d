#include "DrillProgram.h"
#include "DrillTimers.h"
#include "DropDownList.h"
#include "IntervalTimer.h"
#include "TFCalculator.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);

QRadioButton *item(const DrillProgram &program, const QString &group, int index)
{
    return program.find<QGroupBox>(group)->findChildren<QRadioButton *>().at(index);
}

void startChronometer(const DrillProgram &program)
{
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn12"_s), Qt::LeftButton);
}

void chooseMental(const DrillProgram &program)
{
    item(program, u"RadioGroup2"_s, 1)->click();
}

} // namespace

// The chronometer of the drill window. Its ticks are delivered by calling
// the tick handlers, never by waiting.
class tst_Chronometer : public QObject
{
    Q_OBJECT

private slots:
    void startAndStopBeepOnceAndRestartTheCounters();
    void gaugeFillsInEightTicksPerSecond();
    void lateJudgement_data();
    void lateJudgement();
    void enterPendingAtTheTickWins();
    void mentalModeRevealsWithoutJudging_data();
    void mentalModeRevealsWithoutJudging();
    void thinkTimeChangedWhileAQuestionRuns();
    void storedTimesOutOfRange_data();
    void storedTimesOutOfRange();
    void modeStaysWrittenWhileRecordingIsChosen();
    void openingTheOperatorListStopsIt();
    void optionButtonsStopIt_data();
    void optionButtonsStopIt();
    void closingStopsItAndTheNextStartBeeps();
    void drillAgainstTheClockWithTheKeyboardOnly();
};

void tst_Chronometer::startAndStopBeepOnceAndRestartTheCounters()
{
    DrillProgram program;
    program.answer(program.expected() + u'1');
    QCOMPARE(program.state().ErrorCount, 1);

    startChronometer(program);
    QCOMPARE(program.messages.beeps, 1);
    QVERIFY(!program.find<QFrame>(u"Panel7"_s)->isHidden());
    QCOMPARE(program.find<QPushButton>(u"BitBtn12"_s)->text(), u"Stop the ti&mer"_s);
    QCOMPARE(program.find<QLabel>(u"Label12"_s)->text(), u"Clock on!"_s);
    QCOMPARE(program.state().OperationCount, 1);
    QCOMPARE(program.state().ErrorCount, 0);
    IntervalTimer *think = program.timer(u"Timer1"_s);
    QVERIFY(think->isEnabled());
    QVERIFY(think->isRunning());
    QCOMPARE(think->interval(), 3000);
    QVERIFY(program.find<QGroupBox>(u"RadioGroup2"_s)->isEnabled());

    // A change of mode restarts the counters without a beep.
    program.answer(program.expected());
    chooseMental(program);
    QCOMPARE(program.messages.beeps, 1);
    QCOMPARE(program.state().OperationCount, 1);
    QCOMPARE(program.find<QLabel>(u"Label12"_s)->text(), u"In your head"_s);

    startChronometer(program); // now its button stops it
    QCOMPARE(program.messages.beeps, 2);
    QVERIFY(program.find<QFrame>(u"Panel7"_s)->isHidden());
    QVERIFY(!think->isEnabled());
    QCOMPARE(program.find<QLabel>(u"Label12"_s)->text(), u"Ready?"_s);
    QCOMPARE(program.find<QLabel>(u"Label6"_s)->text(), u"Zzzzzz..."_s);
    QVERIFY(!program.find<QLineEdit>(u"Ans"_s)->isReadOnly());
    QVERIFY(!program.state().MentalMode);
}

void tst_Chronometer::gaugeFillsInEightTicksPerSecond()
{
    DrillProgram program;
    startChronometer(program);
    auto *gauge = program.find<QProgressBar>(u"Gauge1"_s);
    QCOMPARE(gauge->maximum(), 24);
    QVERIFY(program.timer(u"Timer3"_s)->isRunning());
    QCOMPARE(program.timer(u"Timer3"_s)->interval(), 105);
    for (int i = 0; i < 12; ++i)
        program.timers()->Timer3Timer();
    QCOMPARE(gauge->value(), 12);
    for (int i = 0; i < 20; ++i)
        program.timers()->Timer3Timer();
    QCOMPARE(gauge->value(), 24); // full, never beyond

    program.answer(program.expected());
    QCOMPARE(gauge->value(), 0); // every question starts it again

    // Hidden: no longer counting, and so it stays for the next drill.
    item(program, u"RadioGroup1"_s, 1)->click();
    QVERIFY(gauge->isHidden());
    QVERIFY(!program.timer(u"Timer3"_s)->isEnabled());
    QVERIFY(!program.windows->context.settings.Jauge);
}

void tst_Chronometer::lateJudgement_data()
{
    QTest::addColumn<QString>("typed"); // "=" stands for the right answer
    QTest::addColumn<bool>("filled"); // the box shows "00" while judged
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("comment");

    QTest::newRow("nothing typed") << QString() << true << Red << 1 << u"Time is up!"_s;
    QTest::newRow("right, not confirmed") << u"="_s << false << Green << 0 << u"Right, but late"_s;
    QTest::newRow("wrong, not confirmed") << u"0"_s << false << Red << 1 << u"Wrong and late"_s;
}

void tst_Chronometer::lateJudgement()
{
    QFETCH(QString, typed);
    QFETCH(bool, filled);
    QFETCH(QColor, colour);
    QFETCH(int, errors);
    QFETCH(QString, comment);

    DrillProgram program;
    startChronometer(program);
    const QString expected = program.expected();
    const QString result = program.find<QLabel>(u"F1"_s)->text() + u" x "_s + program.find<QLabel>(u"F2"_s)->text()
                           + u" = "_s + expected;
    auto *box = program.find<QLineEdit>(u"Ans"_s);
    QTest::keyClicks(box, typed == u"=" ? expected : typed);
    QStringList seen;
    connect(box, &QLineEdit::textChanged, box, [&seen](const QString &text) { seen << text; });
    program.drill->Timer1Timer();

    QCOMPARE(seen.first(), filled ? u"00"_s : QString());
    QCOMPARE(program.find<QLabel>(u"Label12"_s)->text(), result);
    QCOMPARE(program.find<QLabel>(u"Label12"_s)->palette().color(QPalette::WindowText), colour);
    QCOMPARE(program.find<QLabel>(u"Label6"_s)->text(), comment);
    QCOMPARE(program.state().ErrorCount, errors);
    QCOMPARE(program.find<QLabel>(u"Label10"_s)->text(), QString::number(errors));
    QCOMPARE(program.find<QLabel>(u"Label8"_s)->text(), u"1"_s);
    QVERIFY(program.find<QLabel>(u"Label11"_s)->isVisible());
    // The next question follows with a fresh think time.
    QCOMPARE(program.state().OperationCount, 2);
    QVERIFY(box->text().isEmpty());
    QVERIFY(program.timer(u"Timer1"_s)->isRunning());
}

// An Enter that is waiting when the think time ends judges its own
// question; the tick then has nothing left to judge late.
void tst_Chronometer::enterPendingAtTheTickWins()
{
    DrillProgram program;
    startChronometer(program);
    QTest::keyClicks(program.find<QLineEdit>(u"Ans"_s), program.expected());
    QMetaObject::invokeMethod(program.drill, &TFCalculator::BitBtn2Click, Qt::QueuedConnection);
    program.drill->Timer1Timer();
    QCOMPARE(program.find<QLabel>(u"Label6"_s)->text(), u"Well done!"_s);
    QCOMPARE(program.state().ErrorCount, 0);
    QCOMPARE(program.state().OperationCount, 2);
    QVERIFY(program.find<QLineEdit>(u"Ans"_s)->text().isEmpty());
}

void tst_Chronometer::mentalModeRevealsWithoutJudging_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("display");
    QTest::newRow("0.2 s scale, 300 ms") << 1 << 300;
    QTest::newRow("3 s") << 4 << 3000;
}

void tst_Chronometer::mentalModeRevealsWithoutJudging()
{
    QFETCH(int, position);
    QFETCH(int, display);

    DrillProgram program;
    startChronometer(program);
    chooseMental(program);
    program.find<QSlider>(u"TrackBar2"_s)->setValue(position);
    QCOMPARE(program.windows->context.settings.Timer2, position);
    QVERIFY(program.find<QFrame>(u"Panel9"_s)->isVisible());
    QVERIFY(program.find<QGroupBox>(u"GroupBox2"_s)->isVisible());
    auto *box = program.find<QLineEdit>(u"Ans"_s);
    QVERIFY(box->isReadOnly());
    QVERIFY(program.find<QLabel>(u"Label10"_s)->isHidden());
    QVERIFY(program.find<QPushButton>(u"Button1"_s)->hasFocus());

    // Enter a second into the think time: the answer at once. (The real
    // 1 ms tick may come before the direct call; the reveal is the same.)
    int thinkInterval = 0;
    connect(program.find<QPushButton>(u"Button1"_s), &QPushButton::clicked, program.drill,
            [&] { thinkInterval = program.timer(u"Timer1"_s)->interval(); });
    program.keys(Qt::Key_Return);
    QCOMPARE(box->text(), program.expected());
    QCOMPARE(thinkInterval, 1);
    program.drill->Timer1Timer();
    QCOMPARE(box->text(), program.expected());
    QVERIFY(!program.timer(u"Timer1"_s)->isRunning());
    QVERIFY(program.timer(u"Timer2"_s)->isRunning());
    QCOMPARE(program.timer(u"Timer2"_s)->interval(), display);

    program.drill->Timer2Timer();
    QVERIFY(!program.timer(u"Timer2"_s)->isRunning());
    QVERIFY(program.timer(u"Timer1"_s)->isRunning());
    QVERIFY(box->text().isEmpty());
    QCOMPARE(program.state().OperationCount, 2);

    // The think time ends unanswered: revealed, never an error.
    program.drill->Timer1Timer();
    QCOMPARE(box->text(), program.expected());
    program.drill->Timer2Timer();
    QCOMPARE(program.state().OperationCount, 3);
    QCOMPARE(program.state().ErrorCount, 0);
}

void tst_Chronometer::thinkTimeChangedWhileAQuestionRuns()
{
    DrillProgram program;
    startChronometer(program);
    program.find<QSpinBox>(u"SpinEdit1"_s)->setValue(10);
    IntervalTimer *think = program.timer(u"Timer1"_s);
    QCOMPARE(think->interval(), 10000);
    QVERIFY(think->isRunning());
    QCOMPARE(program.windows->context.settings.Timer1, 10);
    QCOMPARE(program.find<QProgressBar>(u"Gauge1"_s)->maximum(), 80);

    // Typed above 15, the box keeps it at 15.
    auto *spin = program.find<QSpinBox>(u"SpinEdit1"_s);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, u"20"_s);
    QVERIFY(spin->value() <= 15);
    QVERIFY(think->interval() <= 15000);
}

void tst_Chronometer::storedTimesOutOfRange_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("think");
    QTest::addColumn<int>("display");
    QTest::newRow("0 and 0") << QByteArray("Timer1=0\r\nTimer2=0\r\n") << 1000 << 300;
    QTest::newRow("99 and 9") << QByteArray("Timer1=99\r\nTimer2=9\r\n") << 15000 << 3000;
}

void tst_Chronometer::storedTimesOutOfRange()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, think);
    QFETCH(int, display);
    DrillProgram program("[CHRONO]\r\n" + stored);
    startChronometer(program);
    QCOMPARE(program.timer(u"Timer1"_s)->interval(), think);
    chooseMental(program);
    program.drill->Timer1Timer();
    QCOMPARE(program.timer(u"Timer2"_s)->interval(), display);
}

void tst_Chronometer::modeStaysWrittenWhileRecordingIsChosen()
{
    DrillProgram program;
    program.recording().choose(RecordMode::Operations);
    startChronometer(program);
    QVERIFY(!program.find<QGroupBox>(u"RadioGroup2"_s)->isEnabled());
    QVERIFY(item(program, u"RadioGroup2"_s, 0)->isChecked());
    QVERIFY(program.find<QGroupBox>(u"RadioGroup1"_s)->isEnabled());
}

void tst_Chronometer::openingTheOperatorListStopsIt()
{
    DrillProgram program;
    startChronometer(program);
    auto *list = program.find<DropDownList>(u"OpSel"_s);
    list->showPopup();
    QVERIFY(program.find<QFrame>(u"Panel7"_s)->isHidden());
    QCOMPARE(program.messages.beeps, 2);
    QVERIFY(!program.timer(u"Timer1"_s)->isEnabled());
    list->hidePopup();
    // Picking the entry already selected poses no new question.
    QCOMPARE(program.state().OperationCount, 1);
    const QString line = program.questionLine();
    int picked = -1;
    connect(list, &QComboBox::activated, list, [&picked](int index) { picked = index; });
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Return);
    QCOMPARE(picked, 0);
    QCOMPARE(program.questionLine(), line);
    QCOMPARE(program.state().OperationCount, 1);
}

void tst_Chronometer::optionButtonsStopIt_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("expert") << u"BitBtn6"_s;
    QTest::newRow("sound") << u"BitBtn8"_s;
    QTest::newRow("screen") << u"BitBtn10"_s;
    QTest::newRow("help") << u"BitBtn9"_s;
}

void tst_Chronometer::optionButtonsStopIt()
{
    QFETCH(QString, button);
    DrillProgram program;
    startChronometer(program);
    program.answer(program.expected() + u'1');
    QTest::mouseClick(program.find<QPushButton>(button), Qt::LeftButton);
    QVERIFY(program.find<QFrame>(u"Panel7"_s)->isHidden());
    QCOMPARE(program.messages.beeps, 2);
    QCOMPARE(program.state().ErrorCount, 0);
    QCOMPARE(program.state().OperationCount, 1);
    QVERIFY(!program.timer(u"Timer1"_s)->isEnabled());
}

void tst_Chronometer::closingStopsItAndTheNextStartBeeps()
{
    DrillProgram program;
    startChronometer(program);
    chooseMental(program);
    program.drill->reject();
    QVERIFY(!program.timer(u"Timer1"_s)->isEnabled());
    QVERIFY(!program.timer(u"Timer2"_s)->isEnabled());
    QVERIFY(!program.timer(u"Timer3"_s)->isEnabled());

    program.drill->show();
    QCoreApplication::processEvents();
    QVERIFY(program.find<QFrame>(u"Panel7"_s)->isHidden());
    QVERIFY(program.find<QFrame>(u"Panel9"_s)->isHidden());
    QVERIFY(!program.find<QLineEdit>(u"Ans"_s)->isReadOnly());
    QCOMPARE(program.find<QPushButton>(u"BitBtn12"_s)->text(), u"Start the &timer"_s);
    const int beeps = program.messages.beeps;
    startChronometer(program);
    QCOMPARE(program.messages.beeps, beeps + 1);
    QVERIFY(program.timer(u"Timer1"_s)->isRunning());
}

void tst_Chronometer::drillAgainstTheClockWithTheKeyboardOnly()
{
    DrillProgram program;
    auto *clock = program.find<QPushButton>(u"BitBtn12"_s);
    QVERIFY(program.tabTo(clock));
    program.keys(Qt::Key_Space);
    QVERIFY(!program.find<QFrame>(u"Panel7"_s)->isHidden());
    QVERIFY(program.find<QLineEdit>(u"Ans"_s)->hasFocus());
    program.typeDigits(program.expected());
    program.keys(Qt::Key_Return);
    QCOMPARE(program.find<QLabel>(u"Label6"_s)->text(), u"Well done!"_s);

    QVERIFY(program.tabTo(item(program, u"RadioGroup2"_s, 0)));
    program.keys(Qt::Key_Down);
    QCoreApplication::processEvents(); // the focus moves on after the radio's own key
    QVERIFY(program.state().MentalMode);
    QVERIFY(program.find<QPushButton>(u"Button1"_s)->hasFocus());
    program.keys(Qt::Key_Return);
    program.drill->Timer1Timer();
    QCOMPARE(program.find<QLineEdit>(u"Ans"_s)->text(), program.expected());

    QVERIFY(program.tabTo(clock));
    program.keys(Qt::Key_Space);
    QVERIFY(program.find<QFrame>(u"Panel7"_s)->isHidden());
    QVERIFY(!program.state().MentalMode);
    QCOMPARE(program.messages.beeps, 2);
}

QTEST_MAIN(tst_Chronometer)
#include "tst_Chronometer.moc"
