#include "AppDirFixture.h"
#include "DrillState.h"
#include "History.h"
#include "HistoryFile.h"
#include "HistoryLine.h"
#include "HistorySaving.h"
#include "MessageRecorder.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString HistoryPath = u"sys/history.txt"_s;

Answer answer(int table, int multiplicator, Verdict verdict = Verdict::Right, int milliseconds = 1500,
              FactSign sign = FactSign::Multiply)
{
    Answer a;
    a.date = QDate(2026, 3, 14);
    a.time = QTime(16, 5, 9);
    a.fact = {table, multiplicator, sign};
    a.given = QString::number(sign == FactSign::Multiply ? table * multiplicator : multiplicator);
    a.verdict = verdict;
    a.milliseconds = milliseconds;
    return a;
}

QByteArray lines(int count, int firstTable = 1)
{
    QByteArray bytes = "date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms\r\n";
    for (int i = 0; i < count; ++i)
        bytes += QByteArray("2026-03-14\t16:05:09\t") + QByteArray::number((firstTable + i) % 12 + 1)
                 + "\t3\tx\t9\tright\t" + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class tst_HistoryFile : public QObject
{
    Q_OBJECT

private slots:
    void lineReadsBack_data();
    void lineReadsBack();
    void damagedLine_data();
    void damagedLine();
    void fileFormat();
    void appendKeepsWhatWasThere();
    void appendAfterACutLine();
    void damagedLinesAreSkipped();
    void hugeFileIsReadFromItsEnd();
    void notARegularFile_data();
    void notARegularFile();
    void trimsToTheLastAnswers();
    void longFileKeepsItsLastAnswers();
    void failedSaveKeepsTheAnswers();
    void answersIncludeTheUnsaved();
    void keepsOnlyWhatReadsBack();
    void failureIsTold();
    void judgedQuestion_data();
    void judgedQuestion();
};

void tst_HistoryFile::lineReadsBack_data()
{
    QTest::addColumn<Answer>("original");
    QTest::newRow("right multiplication") << answer(7, 8);
    QTest::newRow("division") << answer(7, 8, Verdict::Wrong, 4200, FactSign::Divide);
    QTest::newRow("late right") << answer(12, 12, Verdict::LateRight, 3000);
    QTest::newRow("late wrong") << answer(1, 1, Verdict::LateWrong, 0);
    Answer timeUp = answer(3, 9, Verdict::TimeUp, 15000);
    timeUp.given = u"00"_s;
    QTest::newRow("time up") << timeUp;
    Answer revealed = answer(6, 4, Verdict::Revealed, 900);
    revealed.given.clear();
    QTest::newRow("mental reveal without digits") << revealed;
}

void tst_HistoryFile::lineReadsBack()
{
    QFETCH(Answer, original);
    const QString line = HistoryLine::format(original);
    const QByteArray bytes = line.toLatin1();
    const auto read = HistoryLine::parse(bytes);
    QVERIFY2(read.has_value(), qPrintable(line));
    QCOMPARE(*read, original);
}

void tst_HistoryFile::damagedLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header") << HistoryLine::header().toLatin1();
    QTest::newRow("cut short") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\t56\tri");
    QTest::newRow("extra field") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\t56\tright\t10\t1");
    QTest::newRow("table 13") << QByteArray("2026-03-14\t16:05:09\t13\t8\tx\t104\tright\t10");
    QTest::newRow("table 0") << QByteArray("2026-03-14\t16:05:09\t0\t8\tx\t0\tright\t10");
    QTest::newRow("negative time") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\t56\tright\t-10");
    QTest::newRow("huge time") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\t56\tright\t99999999999");
    QTest::newRow("time over an hour") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\t56\tright\t3600001");
    QTest::newRow("no such day") << QByteArray("2026-02-30\t16:05:09\t7\t8\tx\t56\tright\t10");
    QTest::newRow("no such hour") << QByteArray("2026-03-14\t25:05:09\t7\t8\tx\t56\tright\t10");
    QTest::newRow("unknown sign") << QByteArray("2026-03-14\t16:05:09\t7\t8\t+\t15\tright\t10");
    QTest::newRow("unknown verdict") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\t56\tgood\t10");
    QTest::newRow("letters as answer") << QByteArray("2026-03-14\t16:05:09\t7\t8\tx\tabc\tright\t10");
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\t\x80\t7\t8", 10);
    QTest::newRow("1 MB") << QByteArray(1024 * 1024, '7');
}

void tst_HistoryFile::damagedLine()
{
    QFETCH(QByteArray, line);
    QVERIFY(!HistoryLine::parse(line).has_value());
}

// A parent opens the file in a spreadsheet: Windows-1252, CR LF, a header,
// tab-separated columns.
void tst_HistoryFile::fileFormat()
{
    AppDirFixture dir;
    QVERIFY(HistoryFile::append(dir.path(HistoryPath),
                                {answer(7, 8), answer(7, 8, Verdict::Wrong, 2500, FactSign::Divide)}));
    QCOMPARE(dir.read(HistoryPath),
             QByteArray("date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms\r\n"
                        "2026-03-14\t16:05:09\t7\t8\tx\t56\tright\t1500\r\n"
                        "2026-03-14\t16:05:09\t7\t8\t\xf7\t8\twrong\t2500\r\n"));
    QByteArray colonDivision = dir.read(HistoryPath);
    colonDivision.replace('\xf7', ':');
    dir.write(HistoryPath, colonDivision);
    QCOMPARE(HistoryFile::read(dir.path(HistoryPath)).answers.last().fact.sign, FactSign::Divide);
}

void tst_HistoryFile::appendKeepsWhatWasThere()
{
    AppDirFixture dir;
    const QString path = dir.path(HistoryPath);
    QVERIFY(HistoryFile::append(path, {answer(2, 3)}));
    QVERIFY(HistoryFile::append(path, {answer(4, 5), answer(6, 7)}));
    const auto contents = HistoryFile::read(path);
    QVERIFY(contents.readable);
    QCOMPARE(contents.answers, (QList<Answer>{answer(2, 3), answer(4, 5), answer(6, 7)}));
    QCOMPARE(dir.read(HistoryPath).count("date"), 1);
}

// A crash left half a line: the next answers start on a line of their own.
void tst_HistoryFile::appendAfterACutLine()
{
    AppDirFixture dir;
    dir.write(HistoryPath, lines(2) + "2026-03-14\t16:0");
    QVERIFY(HistoryFile::append(dir.path(HistoryPath), {answer(9, 9)}));
    const auto answers = HistoryFile::read(dir.path(HistoryPath)).answers;
    QCOMPARE(answers.size(), 3);
    QCOMPARE(answers.last(), answer(9, 9));
}

void tst_HistoryFile::damagedLinesAreSkipped()
{
    AppDirFixture dir;
    QByteArray bytes = lines(3);
    bytes.insert(bytes.indexOf("\r\n") + 2, QByteArray(1024 * 1024, '\x90') + QByteArray("\n\x00\x01\n\n", 5));
    bytes += "2099-12-31\t23:59:59\t5\t5\tx\t25\tright\t800\n"; // a future date and an LF ending
    dir.write(HistoryPath, bytes);
    const auto answers = HistoryFile::read(dir.path(HistoryPath)).answers;
    QCOMPARE(answers.size(), 4);
    QCOMPARE(answers[0].milliseconds, 0);
    QCOMPARE(answers[2].milliseconds, 2);
    QCOMPARE(answers[3].date, QDate(2099, 12, 31));
}

void tst_HistoryFile::hugeFileIsReadFromItsEnd()
{
    AppDirFixture dir;
    dir.write(HistoryPath, QByteArray(HistoryFile::MaxReadBytes, 'z') + lines(3));
    const auto answers = HistoryFile::read(dir.path(HistoryPath)).answers;
    QCOMPARE(answers.size(), 3);
    QCOMPARE(answers.first().milliseconds, 0);
}

void tst_HistoryFile::notARegularFile_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("folder") << false;
    QTest::newRow("named pipe") << true;
}

// Opening a pipe would wait for a writer for ever.
void tst_HistoryFile::notARegularFile()
{
    QFETCH(bool, pipe);
    AppDirFixture dir;
    const QString path = dir.path(HistoryPath);
    if (pipe)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkpath(path));

    QVERIFY(!HistoryFile::read(path).readable);
    QCOMPARE(HistoryFile::lineCount(path), 0);
    QString error;
    QVERIFY(!HistoryFile::append(path, {answer(2, 2)}, &error));
    QVERIFY(!error.isEmpty());

    History history;
    history.setFile(path);
    history.add(answer(2, 2));
    QVERIFY(!history.save());
    QVERIFY(history.hasUnsaved());
    QCOMPARE(history.answers().size(), 1);
}

void tst_HistoryFile::trimsToTheLastAnswers()
{
    AppDirFixture dir;
    const QString path = dir.path(HistoryPath);
    dir.write(HistoryPath, lines(HistoryFile::MaxAnswers - 1));
    History history;
    history.setFile(path);
    history.add(answer(11, 11));
    QVERIFY(history.save());
    QCOMPARE(HistoryFile::lineCount(path), HistoryFile::MaxAnswers + 1);

    history.add(answer(12, 12));
    history.add(answer(12, 11));
    QVERIFY(history.save());
    const auto answers = HistoryFile::read(path).answers;
    QCOMPARE(answers.size(), HistoryFile::MaxAnswers);
    QCOMPARE(answers.first().milliseconds, 2); // the two oldest are gone
    QCOMPARE(answers[answers.size() - 3], answer(11, 11));
    QCOMPARE(answers.last(), answer(12, 11));
    QVERIFY(dir.read(HistoryPath).startsWith("date\t"));
}

// 200,000 lines with damaged ones among them: the last 50,000 readable ones
// count, and the next save keeps them in their order.
void tst_HistoryFile::longFileKeepsItsLastAnswers()
{
    AppDirFixture dir;
    const QString path = dir.path(HistoryPath);
    QByteArray bytes = lines(200000);
    bytes += "garbage\r\n";
    dir.write(HistoryPath, bytes);
    History history;
    history.setFile(path);
    QCOMPARE(history.answers().size(), HistoryFile::MaxAnswers);
    QCOMPARE(history.answers().first().milliseconds, 150000);

    history.add(answer(1, 1));
    QVERIFY(history.save());
    const auto answers = HistoryFile::read(path).answers;
    QCOMPARE(answers.size(), HistoryFile::MaxAnswers);
    QCOMPARE(answers.first().milliseconds, 150001);
    QCOMPARE(answers[answers.size() - 2].milliseconds, 199999);
    QCOMPARE(answers.last(), answer(1, 1));
    QCOMPARE(history.answers(), answers);
}

void tst_HistoryFile::failedSaveKeepsTheAnswers()
{
    AppDirFixture dir;
    dir.write(HistoryPath, lines(2));
    History history;
    history.setFile(dir.path(u"no such folder/history.txt"_s));
    history.add(answer(3, 3));
    QString error;
    QVERIFY(!history.save(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(history.hasUnsaved());

    history.setFile(dir.path(HistoryPath));
    QVERIFY(history.save());
    QVERIFY(!history.hasUnsaved());
    QCOMPARE(HistoryFile::read(dir.path(HistoryPath)).answers.size(), 3);
}

void tst_HistoryFile::answersIncludeTheUnsaved()
{
    AppDirFixture dir;
    dir.write(HistoryPath, lines(2));
    History history;
    history.setFile(dir.path(HistoryPath));
    history.add(answer(3, 3));
    QCOMPARE(history.answers().size(), 3);
    history.add(answer(4, 4));
    QCOMPARE(history.answers().size(), 4);
    QVERIFY(history.save());
    QCOMPARE(history.answers().size(), 4);
    QCOMPARE(HistoryFile::read(dir.path(HistoryPath)).answers, history.answers());
}

// A question left on screen over lunch, and no time at all: the answer is
// kept with a time the file can hold; a fact outside the tables is not.
void tst_HistoryFile::keepsOnlyWhatReadsBack()
{
    AppDirFixture dir;
    History history;
    history.setFile(dir.path(HistoryPath));
    history.add(answer(6, 7, Verdict::Right, 5 * 3600 * 1000));
    history.add(answer(6, 7, Verdict::Right, -40));
    history.add(answer(13, 7));
    QVERIFY(history.save());
    const auto answers = HistoryFile::read(dir.path(HistoryPath)).answers;
    QCOMPARE(answers.size(), 2);
    QCOMPARE(answers[0].milliseconds, HistoryLine::MaxMilliseconds);
    QCOMPARE(answers[1].milliseconds, 0);
    QCOMPARE(history.answers(), answers);
}

void tst_HistoryFile::failureIsTold()
{
    AppDirFixture dir;
    QVERIFY(QDir().mkpath(dir.path(HistoryPath)));
    MessageRecorder recorder;
    History history;
    history.setFile(dir.path(HistoryPath));
    QVERIFY(HistorySaving::save(history)); // nothing to save
    history.add(answer(5, 5));
    QVERIFY(!HistorySaving::save(history));
    QCOMPARE(recorder.messages,
             QStringList{u"Cannot create file "_s + QDir::toNativeSeparators(dir.path(HistoryPath))});
    QVERIFY(history.hasUnsaved());
}

void tst_HistoryFile::judgedQuestion_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("multiplicator");
    QTest::newRow("8 x 7") << u"8"_s << u"x"_s << u"7"_s << true << 7 << 8;
    QTest::newRow("56 : 7") << u"56"_s << u":"_s << u"7"_s << true << 7 << 8;
    QTest::newRow("no question yet") << QString() << QString() << QString() << false << 0 << 0;
}

void tst_HistoryFile::judgedQuestion()
{
    QFETCH(QString, first);
    QFETCH(QString, sign);
    QFETCH(QString, second);
    QFETCH(bool, kept);
    DrillState question;
    question.FirstText = first;
    question.Sign = sign;
    question.SecondText = second;
    const QDateTime when(QDate(2026, 3, 14), QTime(16, 5, 9, 870));
    const auto judged = Answer::judged(question, u"56"_s, Verdict::LateRight, 4100, when);
    QCOMPARE(judged.has_value(), kept);
    if (!kept)
        return;
    QFETCH(int, table);
    QFETCH(int, multiplicator);
    QCOMPARE(judged->fact.table, table);
    QCOMPARE(judged->fact.multiplicator, multiplicator);
    QCOMPARE(judged->time, QTime(16, 5, 9));
    QCOMPARE(judged->verdict, Verdict::LateRight);
    QCOMPARE(judged->milliseconds, 4100);
    // The second is what the file keeps: the answer reads back the same.
    QCOMPARE(HistoryLine::parse(HistoryLine::format(*judged).toLatin1()), judged);
}

QTEST_GUILESS_MAIN(tst_HistoryFile)
#include "tst_HistoryFile.moc"
