#include "DrillProgram.h"
#include "HistoryFile.h"
#include "TFCalculator.h"
#include "TFStart.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// An answer of today at the given minute past ten.
QByteArray line(int table, int multiplicator, const char *verdict, int minute)
{
    return QDate::currentDate().toString(u"yyyy-MM-dd"_s).toLatin1() + "\t10:"
           + QByteArray::number(minute).rightJustified(2, '0') + ":00\t" + QByteArray::number(table) + '\t'
           + QByteArray::number(multiplicator) + "\tx\t1\t" + verdict + "\t1500\r\n";
}

QByteArray right(int table, int multiplicator)
{
    return line(table, multiplicator, "right", 0);
}

QByteArray wrong(int table, int multiplicator, int minute)
{
    return line(table, multiplicator, "wrong", minute);
}

// Six facts answered wrong, the latest last; 1 x 1 right once (still being
// learnt); 2 x 2 mastered.
const QByteArray WeakHistory = "date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms\r\n" + right(1, 1)
                           + right(2, 2) + right(2, 2) + right(2, 2) + wrong(4, 6, 0) + wrong(2, 5, 1)
                           + wrong(9, 9, 2) + wrong(7, 8, 3) + wrong(11, 12, 4) + wrong(6, 3, 5);
const int HistoryAnswers = 10;

} // namespace

// "Drill my weak facts" in the progress window, through to the end of the
// review in the drill window, with the keyboard.
class tst_WeakFactDrill : public QObject
{
    Q_OBJECT

private slots:
    void theWeakFactsAreReviewedWithTheirFamilies();
};

void tst_WeakFactDrill::theWeakFactsAreReviewedWithTheirFamilies()
{
    DrillProgram program({}, u"en"_s, DrillProgram::Shown::StartWindow);
    program.dir.write(u"sys/history.txt"_s, WeakHistory);
    TFStart *start = program.windows->FStart;

    QStringList posed;
    QString caption;
    QStringList messagesDuringTheReview;
    bool startHidden = false;
    DrillProgram::whenModal([&](QWidget *progress) {
        QCOMPARE(progress->objectName(), u"FProgress"_s);
        DrillProgram::whenModal([&](QWidget *drill) {
            QCOMPARE(drill, program.drill);
            startHidden = !start->isVisible();
            caption = program.recordCaption();
            while (program.state().Replaying && posed.size() <= 20) {
                posed << program.questionLine();
                program.typeDigits(program.expected());
                program.keys(Qt::Key_Return);
                if (program.state().Replaying)
                    messagesDuringTheReview += program.messages.messages;
            }
            QTest::mouseClick(program.find<QPushButton>(u"BitBtn1"_s), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(progress, u"DrillWeakBtn"_s), Qt::LeftButton);
    });
    start->findChild<QAction *>(u"Progress1"_s)->trigger();

    QVERIFY(startHidden);
    QCOMPARE(caption, u"Playing"_s);
    // The latest errors first, each with its family; 6 x 4's family no
    // longer fits in twenty, 1 x 1's square family does.
    const QStringList weak{u"3x6"_s,   u"6x3"_s,    u"18÷6"_s,  u"18÷3"_s,  u"12x11"_s, u"11x12"_s, u"132÷11"_s,
                           u"132÷12"_s, u"8x7"_s,   u"7x8"_s,   u"56÷7"_s,  u"56÷8"_s,  u"9x9"_s,   u"81÷9"_s,
                           u"5x2"_s,   u"2x5"_s,    u"10÷2"_s,  u"10÷5"_s,  u"1x1"_s,   u"1÷1"_s};
    QCOMPARE(posed, weak);
    QVERIFY(messagesDuringTheReview.isEmpty());
    // Its end: the usual message, then generated questions of the ticked tables.
    QCOMPARE(program.messages.messages, QStringList{u"Erased."_s});
    QVERIFY(!program.state().Replaying);
    QCOMPARE(program.recordCaption(), QString());
    QCOMPARE(program.state().ErrorCount, 0);

    // Back in the start window, the review's answers in the history file.
    QVERIFY(start->isVisible());
    QVERIFY(!program.drill->isVisible());
    const HistoryFile::Contents saved = HistoryFile::read(program.dir.path(u"sys/history.txt"_s));
    QCOMPARE(saved.answers.size(), HistoryAnswers + weak.size());
    QCOMPARE(saved.answers.last().verdict, Verdict::Right);
}

QTEST_MAIN(tst_WeakFactDrill)
#include "tst_WeakFactDrill.moc"
