#include "DrillProgram.h"
#include "IntervalTimer.h"
#include "TFCalculator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// RecordMode's order: the next operations, the next errors, no recording.
enum Choice { NextOperations = 1, NextErrors = 2, NoRecording = 3 };

void clickIn(QWidget *dialog, const QString &button)
{
    QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
}

// The record button, then the choice in its dialog and OK.
void record(const DrillProgram &program, Choice choice)
{
    DrillProgram::whenModal([choice](QWidget *dialog) {
        control<QRadioButton>(dialog, u"RadioButton%1"_s.arg(int(choice)))->setChecked(true);
        clickIn(dialog, u"OKBtn"_s);
    });
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn7"_s), Qt::LeftButton);
}

// Answers, noting each question as it was shown.
QStringList answerQuestions(const DrillProgram &program, int count, bool right)
{
    QStringList shown;
    for (int i = 0; i < count; ++i) {
        shown << program.questionLine();
        program.answer(right ? program.expected() : program.expected() + u'1');
    }
    return shown;
}

} // namespace

// The record button, the record and after-record dialogs and the review, as
// a pupil uses them.
class tst_RecordingWindows : public QObject
{
    Q_OBJECT

private slots:
    void nextTenErrorsReviewedInOrder();
    void crossedOperationsReviewedCrossed();
    void frenchDivisionReviewedAfterSwitchingToEnglish();
    void offAfterFourOfTen();
    void unansweredQuestionCompletesTheRecording();
    void escapeInTheAfterRecordDialogErases();
    void countBoxStopsAtTenAndHundred();
    void leavingTheDrill_data();
    void leavingTheDrill();
    void recordAndReviewWithTheKeyboardOnly();
    void languageFileWithoutTheRecordTexts();
};

void tst_RecordingWindows::nextTenErrorsReviewedInOrder()
{
    DrillProgram program;
    record(program, NextErrors);
    QCOMPARE(program.recordCaption(), u"Rec"_s);
    answerQuestions(program, 3, true);
    QVERIFY(program.recording().RecordList().isEmpty());
    const QStringList wrong = answerQuestions(program, 9, false);

    QStringList offered;
    DrillProgram::whenModal([&](QWidget *dialog) {
        offered = program.recording().RecordList();
        QCOMPARE(dialog->objectName(), u"AfterRecordDlg"_s);
        clickIn(dialog, u"OKBtn"_s);
    });
    const QStringList tenth = answerQuestions(program, 1, false);
    QCOMPARE(offered, wrong + tenth);

    QCOMPARE(program.recordCaption(), u"Playing"_s);
    QVERIFY(program.state().Replaying);
    QCOMPARE(program.state().OperationCount, 1);
    QCOMPARE(program.state().ErrorCount, 0);
    QCOMPARE(answerQuestions(program, 10, true), offered);
    QCOMPARE(program.state().ErrorCount, 0);

    // The review's end: erased with its message, fresh counters, generated
    // questions again.
    QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
    QVERIFY(!program.state().Replaying);
    QCOMPARE(program.recordCaption(), QString());
    QCOMPARE(program.state().OperationCount, 1);
    QCOMPARE(program.find<QLabel>(u"Label8"_s)->text(), u"0"_s);
    QVERIFY(program.recording().RecordList().isEmpty());
}

void tst_RecordingWindows::crossedOperationsReviewedCrossed()
{
    DrillProgram program("[CALCULS]\r\nInversion=1\r\n");
    record(program, NextOperations);
    const QStringList nine = answerQuestions(program, 9, true);
    QStringList offered;
    DrillProgram::whenModal([&](QWidget *dialog) {
        offered = program.recording().RecordList();
        clickIn(dialog, u"OKBtn"_s);
    });
    const QStringList all = nine + answerQuestions(program, 1, true);
    QCOMPARE(offered, all);
    QCOMPARE(answerQuestions(program, 10, true), all);
}

void tst_RecordingWindows::frenchDivisionReviewedAfterSwitchingToEnglish()
{
    DrillProgram program("[GLOBAL]\r\nLanguage=fr\r\nRange=1\r\nOperation=1\r\n", u"fr"_s);
    program.windows->context.LanguageCode = u"fr"_s;
    record(program, NextOperations);
    QCOMPARE(program.find<QLabel>(u"Label2"_s)->text(), u":"_s);
    const QStringList nine = answerQuestions(program, 9, true);
    DrillProgram::whenModal([&](QWidget *dialog) {
        program.windows->context.LanguageCode = u"en"_s;
        program.windows->UpdateLanguage();
        clickIn(dialog, u"OKBtn"_s);
    });
    const QStringList all = nine + answerQuestions(program, 1, true);
    QVERIFY(all.first().contains(u':'));
    for (const QString &line : all) {
        QCOMPARE(program.questionLine(), line);
        QCOMPARE(program.find<QLabel>(u"Label2"_s)->text(), u":"_s);
        program.answer(program.expected());
        QCOMPARE(program.find<QLabel>(u"Label6"_s)->text(), u"Well done!"_s);
    }
    // Generated again: the English sign.
    QCOMPARE(program.find<QLabel>(u"Label2"_s)->text(), QString(QChar(0x00F7)));
}

void tst_RecordingWindows::offAfterFourOfTen()
{
    DrillProgram program;
    record(program, NextOperations);
    const QStringList four = answerQuestions(program, 4, true);
    QStringList offered;
    DrillProgram::whenModal([&](QWidget *dialog) {
        control<QRadioButton>(dialog, u"RadioButton3"_s)->setChecked(true);
        DrillProgram::whenModal([&](QWidget *afterRecord) {
            offered = program.recording().RecordList();
            clickIn(afterRecord, u"OKBtn"_s);
        });
        clickIn(dialog, u"OKBtn"_s);
    });
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn7"_s), Qt::LeftButton);
    QCOMPARE(offered, four);
    QCOMPARE(program.state().OperationCount, 1);
    QCOMPARE(answerQuestions(program, 4, true), four);
    QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
}

void tst_RecordingWindows::unansweredQuestionCompletesTheRecording()
{
    DrillProgram program;
    record(program, NextErrors);
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn12"_s), Qt::LeftButton);
    for (int i = 0; i < 9; ++i)
        program.drill->Timer1Timer();
    QCOMPARE(program.recording().RecordList().size(), 9);

    QString box;
    bool panelShown = false;
    bool thinking = true;
    int switchPosition = 0;
    DrillProgram::whenModal([&](QWidget *dialog) {
        box = program.find<QLineEdit>(u"Ans"_s)->text();
        panelShown = !program.find<QFrame>(u"Panel7"_s)->isHidden();
        thinking = program.timer(u"Timer1"_s)->isRunning();
        switchPosition = program.find<QSlider>(u"TrackBar1"_s)->value();
        clickIn(dialog, u"CancelBtn"_s);
    });
    program.drill->Timer1Timer();
    QCOMPARE(box, QString()); // not the "00" of the unanswered question
    QVERIFY(panelShown);
    QVERIFY(!thinking);
    QCOMPARE(switchPosition, 1);

    QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
    QVERIFY(program.find<QFrame>(u"Panel7"_s)->isHidden());
    QVERIFY(!program.timer(u"Timer1"_s)->isEnabled());
    QCOMPARE(program.recordCaption(), QString());
    QCOMPARE(program.state().OperationCount, 1);
}

void tst_RecordingWindows::escapeInTheAfterRecordDialogErases()
{
    DrillProgram program;
    record(program, NextOperations);
    answerQuestions(program, 9, true);
    DrillProgram::whenModal([](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    answerQuestions(program, 1, true);
    QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
    QVERIFY(!program.recording().isChosen());
    QVERIFY(!program.state().Replaying);
    QCOMPARE(program.drill->focusWidget(), program.find<QLineEdit>(u"Ans"_s));
}

void tst_RecordingWindows::countBoxStopsAtTenAndHundred()
{
    DrillProgram program;
    QStringList counts;
    DrillProgram::whenModal([&](QWidget *dialog) {
        auto *count = control<QLineEdit>(dialog, u"Edit1"_s);
        QVERIFY(count->isReadOnly());
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Down);
        counts << count->text();
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(count, Qt::Key_Up);
        counts << count->text();
        control<QRadioButton>(dialog, u"RadioButton1"_s)->setChecked(true);
        clickIn(dialog, u"OKBtn"_s);
    });
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn7"_s), Qt::LeftButton);
    QCOMPARE(counts, (QStringList{u"10"_s, u"100"_s}));
    QCOMPARE(program.recording().count(), 100);

    // Kept for the next opening.
    DrillProgram::whenModal([&](QWidget *dialog) {
        counts << control<QLineEdit>(dialog, u"Edit1"_s)->text();
        clickIn(dialog, u"OKBtn"_s);
    });
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn7"_s), Qt::LeftButton);
    QCOMPARE(counts.last(), u"100"_s);
}

void tst_RecordingWindows::leavingTheDrill_data()
{
    QTest::addColumn<bool>("reviewing");
    QTest::newRow("while recording: erased") << false;
    QTest::newRow("during a review: goes on") << true;
}

void tst_RecordingWindows::leavingTheDrill()
{
    QFETCH(bool, reviewing);
    DrillProgram program;
    record(program, NextOperations);
    QStringList recorded = answerQuestions(program, 9, true);
    if (reviewing) {
        DrillProgram::whenModal([](QWidget *dialog) { clickIn(dialog, u"OKBtn"_s); });
        recorded += answerQuestions(program, 1, true);
        answerQuestions(program, 3, true);
    }
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn12"_s), Qt::LeftButton); // the chronometer runs too
    program.drill->reject();

    if (!reviewing) {
        QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
        QVERIFY(!program.recording().isChosen());
        QCOMPARE(program.recordCaption(), QString());
        return;
    }
    QVERIFY(program.messages.messages.isEmpty());
    program.drill->show();
    QCoreApplication::processEvents();
    QCOMPARE(program.recordCaption(), u"Playing"_s);
    QVERIFY(program.state().Replaying);
    // The recorded operation left unanswered comes again.
    QCOMPARE(program.questionLine(), recorded.at(3));
}

void tst_RecordingWindows::recordAndReviewWithTheKeyboardOnly()
{
    DrillProgram program;
    QVERIFY(program.tabTo(program.find<QPushButton>(u"BitBtn7"_s)));
    DrillProgram::whenModal([&](QWidget *) {
        program.keys(Qt::Key_Up, Qt::NoModifier, 2); // from no recording to the next operations
        program.keys(Qt::Key_Return);
    });
    program.keys(Qt::Key_Space);
    QVERIFY(program.recording().isChosen());
    QCOMPARE(program.drill->focusWidget(), program.find<QLineEdit>(u"Ans"_s));

    QStringList recorded;
    for (int i = 0; i < 9; ++i) {
        recorded << program.questionLine();
        program.typeDigits(program.expected());
        program.keys(Qt::Key_Return);
    }
    DrillProgram::whenModal([&](QWidget *) { program.keys(Qt::Key_Return); }); // review, the default
    recorded << program.questionLine();
    program.typeDigits(program.expected());
    program.keys(Qt::Key_Return);

    QVERIFY(program.state().Replaying);
    for (const QString &line : recorded) {
        QCOMPARE(program.questionLine(), line);
        program.typeDigits(program.expected());
        program.keys(Qt::Key_Return);
    }
    QVERIFY(!program.state().Replaying);
    QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
}

void tst_RecordingWindows::languageFileWithoutTheRecordTexts()
{
    DrillProgram program;
    program.dir.write(u"sys/en.lng"_s, "[FCalculator]\r\nvAverageCalc=out of 10\r\n");
    program.windows->UpdateLanguage();
    record(program, NextOperations);
    answerQuestions(program, 9, true);
    QString question = u"?"_s;
    DrillProgram::whenModal([&](QWidget *dialog) {
        question = control<QLabel>(dialog, u"Label1"_s)->text();
        clickIn(dialog, u"CancelBtn"_s);
    });
    answerQuestions(program, 1, true);
    QCOMPARE(question, QString());
    QCOMPARE(program.messages.messages, QStringList{QString()});
    QCOMPARE(program.find<QLabel>(u"Label6"_s)->text(), u"xxxxx"_s);
}

QTEST_MAIN(tst_RecordingWindows)
#include "tst_RecordingWindows.moc"
