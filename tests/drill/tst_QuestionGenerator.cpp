#include "OperatorKind.h"
#include "QuestionGenerator.h"
#include "Random.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using QuestionGenerator::Request;

namespace {

const QString Obelus = QString(QChar(0x00F7));

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

Request request(OperatorKind kind, bool inversion = false)
{
    return Request{kind, Obelus, numbers(1, 12), numbers(1, 12), inversion};
}

void pose(DrillState &state, const Request &request)
{
    QuestionGenerator::chooseSign(state, request);
    QuestionGenerator::drawFactors(state, request);
}

// What every generated question must satisfy; false with a message otherwise.
bool invariantsHold(const DrillState &s, const Request &r, QString *why)
{
    const QString multiplicator = QString::number(s.Multiplicator);
    const QString table = QString::number(s.Table);
    if (!r.range.contains(multiplicator) || !r.tables.contains(table))
        *why = u"factor outside the lists"_s;
    else if (s.PreviousMultiplicator != s.Multiplicator)
        *why = u"previous multiplicator not kept"_s;
    else if (s.Sign == u"x") {
        const bool straight = s.FirstText == multiplicator && s.SecondText == table;
        const bool crossed = s.FirstText == table && s.SecondText == multiplicator;
        if (!straight && !crossed)
            *why = u"texts do not show the factors"_s;
        else if (s.Expected != s.Multiplicator * s.Table)
            *why = u"wrong product"_s;
    } else if (s.Sign == r.divisionSign) {
        if (s.FirstText != QString::number(s.Multiplicator * s.Table) || s.SecondText != table)
            *why = u"division not shown as product and table"_s;
        else if (s.Expected != s.Multiplicator)
            *why = u"division answer is not the multiplicator"_s;
    } else {
        *why = u"unknown sign "_s + s.Sign;
    }
    return why->isEmpty();
}

} // namespace

class tst_QuestionGenerator : public QObject
{
    Q_OBJECT

private slots:
    void init() { Random::seed(1234); }

    void operators_data();
    void operators();
    void alternateFollowsThePreviousSign_data();
    void alternateFollowsThePreviousSign();
    void crossingOnlyUnderMultiply_data();
    void crossingOnlyUnderMultiply();
    void multiplicatorNeverRepeats_data();
    void multiplicatorNeverRepeats();
    void singleMultiplicatorRepeats();
    void divisionForm_data();
    void divisionForm();
    void drawOrder();
    void entriesThatAreNotNumbers_data();
    void entriesThatAreNotNumbers();
    void storedOperation_data();
    void storedOperation();
    void screenAnswer_data();
    void screenAnswer();
};

void tst_QuestionGenerator::operators_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expectedSigns"); // m = "x", d = division, ? = either
    QTest::newRow("multiply") << int(OperatorKind::Multiply) << u"mmmmmmmm"_s;
    QTest::newRow("divide") << int(OperatorKind::Divide) << u"dddddddd"_s;
    QTest::newRow("alternate") << int(OperatorKind::Alternate) << u"mdmdmdmd"_s;
    QTest::newRow("random") << int(OperatorKind::Random) << QString(200, u'?');
}

void tst_QuestionGenerator::operators()
{
    QFETCH(int, kind);
    QFETCH(QString, expectedSigns);
    const Request r = request(OperatorKind(kind), true);
    DrillState state;
    QSet<QString> seen;
    for (QChar expected : expectedSigns) {
        pose(state, r);
        QString why;
        QVERIFY2(invariantsHold(state, r, &why), qPrintable(why));
        if (expected == u'm')
            QCOMPARE(state.Sign, u"x"_s);
        else if (expected == u'd')
            QCOMPARE(state.Sign, Obelus);
        seen << state.Sign;
    }
    if (OperatorKind(kind) == OperatorKind::Random)
        QCOMPARE(seen, (QSet<QString>{u"x"_s, Obelus}));
}

void tst_QuestionGenerator::alternateFollowsThePreviousSign_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("next");
    QTest::newRow("first question of a run") << QString() << u"x"_s;
    QTest::newRow("after a multiplication") << u"x"_s << Obelus;
    QTest::newRow("after a division") << Obelus << u"x"_s;
    QTest::newRow("after a division of another language") << u":"_s << u"x"_s;
}

void tst_QuestionGenerator::alternateFollowsThePreviousSign()
{
    QFETCH(QString, previous);
    QFETCH(QString, next);
    DrillState state;
    state.Sign = previous;
    QuestionGenerator::chooseSign(state, request(OperatorKind::Alternate));
    QCOMPARE(state.Sign, next);
}

void tst_QuestionGenerator::crossingOnlyUnderMultiply_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inversion");
    QTest::addColumn<bool>("crossingExpected");
    QTest::newRow("multiply, crossing on") << int(OperatorKind::Multiply) << true << true;
    QTest::newRow("multiply, crossing off") << int(OperatorKind::Multiply) << false << false;
    QTest::newRow("divide, crossing on") << int(OperatorKind::Divide) << true << false;
    QTest::newRow("alternate, crossing on") << int(OperatorKind::Alternate) << true << false;
    QTest::newRow("random, crossing on") << int(OperatorKind::Random) << true << false;
}

void tst_QuestionGenerator::crossingOnlyUnderMultiply()
{
    QFETCH(int, kind);
    QFETCH(bool, inversion);
    QFETCH(bool, crossingExpected);
    Request r = request(OperatorKind(kind), inversion);
    r.range = numbers(1, 6);   // the two lists never share a value,
    r.tables = numbers(7, 12); // so a crossed question shows
    DrillState state;
    int crossed = 0;
    const int questions = 400;
    for (int i = 0; i < questions; ++i) {
        pose(state, r);
        QString why;
        QVERIFY2(invariantsHold(state, r, &why), qPrintable(why));
        if (state.Sign == u"x" && state.FirstText == QString::number(state.Table))
            ++crossed;
    }
    if (crossingExpected) {
        QVERIFY2(crossed > questions / 3 && crossed < questions * 2 / 3, qPrintable(QString::number(crossed)));
    } else {
        QCOMPARE(crossed, 0);
    }
}

void tst_QuestionGenerator::multiplicatorNeverRepeats_data()
{
    QTest::addColumn<QStringList>("range");
    QTest::newRow("two entries") << numbers(5, 6);
    QTest::newRow("three entries") << numbers(10, 12);
    QTest::newRow("twelve entries") << numbers(1, 12);
}

void tst_QuestionGenerator::multiplicatorNeverRepeats()
{
    QFETCH(QStringList, range);
    Request r = request(OperatorKind::Multiply);
    r.range = range;
    DrillState state;
    QSet<int> used;
    int previous = 0;
    for (int i = 0; i < 300; ++i) {
        pose(state, r);
        QVERIFY(state.Multiplicator != previous);
        previous = state.Multiplicator;
        used << previous;
    }
    QCOMPARE(used.size(), range.size());
}

void tst_QuestionGenerator::singleMultiplicatorRepeats()
{
    Request r = request(OperatorKind::Multiply);
    r.range = {u"12"_s};
    DrillState state;
    for (int i = 0; i < 20; ++i) {
        pose(state, r);
        QCOMPARE(state.Multiplicator, 12);
    }
}

void tst_QuestionGenerator::divisionForm_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("sign");
    QTest::newRow("fr") << u"fr"_s << u":"_s;
    QTest::newRow("de") << u"de"_s << u":"_s;
    QTest::newRow("en") << u"en"_s << Obelus;
    QTest::newRow("nl") << u"nl"_s << Obelus;
    QTest::newRow("New") << u"New"_s << Obelus;
}

void tst_QuestionGenerator::divisionForm()
{
    QFETCH(QString, language);
    QFETCH(QString, sign);
    const Request r{OperatorKind::Divide, OperatorKinds::divisionSign(language), {u"3"_s}, {u"7"_s}, true};
    DrillState state;
    pose(state, r);
    QCOMPARE(state.Sign, sign);
    QCOMPARE(state.FirstText, u"21"_s);
    QCOMPARE(state.SecondText, u"7"_s);
    QCOMPARE(state.Expected, 3);
}

// The draws of one question come in a fixed order: sign, multiplicator (again
// while it repeats), table, crossing.
void tst_QuestionGenerator::drawOrder()
{
    const Request randomSign{OperatorKind::Random, Obelus, numbers(1, 12), numbers(2, 9), true};
    const Request crossing{OperatorKind::Multiply, Obelus, numbers(1, 12), numbers(2, 9), true};
    for (const Request &r : {randomSign, crossing}) {
        Random::seed(99);
        DrillState state;
        state.PreviousMultiplicator = 4;
        pose(state, r);
        const int nextAfterPose = Random::below(1000);

        Random::seed(99);
        QString sign = u"x"_s;
        if (r.kind == OperatorKind::Random)
            sign = Random::below(2) == 0 ? u"x"_s : Obelus;
        int multiplicator = 4;
        while (multiplicator == 4)
            multiplicator = Random::below(12) + 1;
        const int table = Random::below(8) + 2;
        const bool crossed = r.kind == OperatorKind::Multiply && Random::below(2) == 1;

        QCOMPARE(state.Sign, sign);
        QCOMPARE(state.Multiplicator, multiplicator);
        QCOMPARE(state.Table, table);
        if (sign == u"x")
            QCOMPARE(state.FirstText, QString::number(crossed ? table : multiplicator));
        QCOMPARE(Random::below(1000), nextAfterPose); // no other draw was made
    }
}

void tst_QuestionGenerator::entriesThatAreNotNumbers_data()
{
    QTest::addColumn<QStringList>("range");
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<int>("previous");
    QTest::newRow("text table") << numbers(1, 3) << QStringList{u"abc"_s};
    QTest::newRow("zero table") << numbers(1, 3) << QStringList{u"0"_s};
    QTest::newRow("empty lists") << QStringList() << QStringList();
    QTest::newRow("blank and text entries") << QStringList{u""_s, u"x"_s} << QStringList{u" "_s, u"-4"_s};
    QTest::newRow("twice the previous value") << QStringList{u"3"_s, u"3"_s} << numbers(2, 2);
    QTest::newRow("huge numbers") << QStringList{u"99999"_s} << QStringList{u"70000"_s};
}

void tst_QuestionGenerator::entriesThatAreNotNumbers()
{
    QFETCH(QStringList, range);
    QFETCH(QStringList, tables);
    for (OperatorKind kind : {OperatorKind::Multiply, OperatorKind::Divide}) {
        const Request r{kind, Obelus, range, tables, false};
        DrillState state;
        state.PreviousMultiplicator = 3;
        pose(state, r);
        QVERIFY(state.Table >= 1 && state.Table <= 12);
        QVERIFY(state.Multiplicator >= 1 && state.Multiplicator <= 12);
        const qint64 answer = QuestionGenerator::screenAnswer(state.FirstText, state.SecondText, state.Sign);
        QCOMPARE(answer, qint64(state.Expected));
    }
}

void tst_QuestionGenerator::storedOperation_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << u"0"_s << 0;
    QTest::newRow("3") << u"3"_s << 3;
    QTest::newRow("4") << u"4"_s << -1;
    QTest::newRow("7") << u"7"_s << -1;
    QTest::newRow("-1") << u"-1"_s << -1;
    QTest::newRow("text") << u"divide"_s << -1;
    QTest::newRow("empty") << QString() << -1;
}

void tst_QuestionGenerator::storedOperation()
{
    QFETCH(QString, stored);
    QFETCH(int, index);
    QCOMPARE(OperatorKinds::indexFromStored(stored), index);
}

void tst_QuestionGenerator::screenAnswer_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<qint64>("answer");
    QTest::newRow("product") << u"3"_s << u"7"_s << u"x"_s << qint64(21);
    QTest::newRow("crossed product") << u"7"_s << u"3"_s << u"x"_s << qint64(21);
    QTest::newRow("colon") << u"21"_s << u"7"_s << u":"_s << qint64(3);
    QTest::newRow("obelus") << u"144"_s << u"12"_s << Obelus << qint64(12);
    QTest::newRow("by zero") << u"21"_s << u"0"_s << u":"_s << qint64(0);
}

void tst_QuestionGenerator::screenAnswer()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, sign);
    QFETCH(qint64, answer);
    QCOMPARE(QuestionGenerator::screenAnswer(first, second, sign), answer);
}

QTEST_GUILESS_MAIN(tst_QuestionGenerator)
#include "tst_QuestionGenerator.moc"
