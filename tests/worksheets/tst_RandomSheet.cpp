#include "Random.h"
#include "RandomSheetGenerator.h"
#include "Worksheets.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Division = QString(QChar(0x00F7));

struct Operation
{
    int first = 0;
    QString sign;
    int second = 0;

    bool dividing() const { return sign != u"x"; }
    // With the factors uncrossed: the table is the second factor or the divisor.
    int table() const { return second; }
    int multiplicator() const { return dividing() ? first / second : first; }
};

Operation parse(const QString &line)
{
    static const QRegularExpression form(u"^(\\d+) (x|:|\u00f7) (\\d+) =  ____$"_s);
    const QRegularExpressionMatch match = form.match(line);
    if (!match.hasMatch())
        qFatal("Not an operation line: '%s'", qPrintable(line));
    return {match.captured(1).toInt(), match.captured(2), match.captured(3).toInt()};
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

RandomSheetRequest request(OperatorKind operation, const QStringList &tables,
                           const QStringList &multiplicators = numbers(1, 12), bool crossed = false,
                           const QString &language = u"en"_s)
{
    return {tables, multiplicators, operation, crossed, language};
}

// The operation lines of a sheet, column after column.
QList<Operation> operations(const RandomSheetGenerator::Sheet &sheet)
{
    QList<Operation> all;
    for (const QStringList &column : sheet) {
        for (const QString &line : column) {
            if (line != u" ")
                all << parse(line);
        }
    }
    return all;
}

QList<Operation> column(const RandomSheetGenerator::Sheet &sheet, int index)
{
    RandomSheetGenerator::Sheet one;
    one[0] = sheet[index];
    return operations(one);
}

} // namespace

class tst_RandomSheet : public QObject
{
    Q_OBJECT

private slots:
    void init() { Random::seed(20240611); }

    void columnsHoldFiftyLinesWithBlanksInPlace_data();
    void columnsHoldFiftyLinesWithBlanksInPlace();
    void neverRepeatsTableOrMultiplicator_data();
    void neverRepeatsTableOrMultiplicator();
    void firstDrawAvoidsFirstEntries();
    void singleEntriesAreAlwaysUsed();
    void alternateStartsEveryColumnWithADivision();
    void crossing_data();
    void crossing();
    void divisionSignByLanguage_data();
    void divisionSignByLanguage();
    void drawsInTheirOrder_data();
    void drawsInTheirOrder();
    void headerNamesTablesAndOptions_data();
    void headerNamesTablesAndOptions();
    void requestedTwiceGivesNewDrawsAndNoLeftovers();
};

void tst_RandomSheet::columnsHoldFiftyLinesWithBlanksInPlace_data()
{
    QTest::addColumn<OperatorKind>("operation");
    QTest::newRow("multiply") << OperatorKind::Multiply;
    QTest::newRow("divide") << OperatorKind::Divide;
    QTest::newRow("alternate") << OperatorKind::Alternate;
    QTest::newRow("random") << OperatorKind::Random;
}

void tst_RandomSheet::columnsHoldFiftyLinesWithBlanksInPlace()
{
    QFETCH(OperatorKind, operation);
    RandomSheetGenerator generator;
    const auto sheet = generator.make(request(operation, {u"2"_s, u"5"_s, u"7"_s}, numbers(1, 12), true));
    for (const QStringList &lines : sheet) {
        QCOMPARE(lines.size(), 50);
        for (int i = 0; i < lines.size(); ++i) {
            // Operations on the even lines, but for the third of the three
            // blank lines between the 12th and the 13th operation.
            const bool operationLine = i % 2 == 0 && i != 24;
            QCOMPARE(lines[i] != u" "_s, operationLine);
        }
        QCOMPARE(lines.count(u" "_s), 26);
    }
    QCOMPARE(operations(sheet).size(), 72);
}

void tst_RandomSheet::neverRepeatsTableOrMultiplicator_data()
{
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<QStringList>("multiplicators");
    QTest::addColumn<OperatorKind>("operation");
    QTest::newRow("one table, four multiplicators")
        << QStringList{u"4"_s} << numbers(9, 12) << OperatorKind::Multiply;
    QTest::newRow("two tables, divisions") << QStringList{u"3"_s, u"8"_s} << numbers(1, 12)
                                           << OperatorKind::Divide;
    QTest::newRow("three tables, two multiplicators, random")
        << QStringList{u"2"_s, u"5"_s, u"7"_s} << numbers(11, 12) << OperatorKind::Random;
}

// Also across the end of a column and from one sheet to the next.
void tst_RandomSheet::neverRepeatsTableOrMultiplicator()
{
    QFETCH(QStringList, tables);
    QFETCH(QStringList, multiplicators);
    QFETCH(OperatorKind, operation);
    RandomSheetGenerator generator;
    QList<Operation> all;
    for (int sheet = 0; sheet < 3; ++sheet)
        all += operations(generator.make(request(operation, tables, multiplicators)));
    QCOMPARE(all.size(), 3 * 72);
    for (qsizetype i = 0; i < all.size(); ++i) {
        QVERIFY(tables.contains(QString::number(all[i].table())));
        QVERIFY(multiplicators.contains(QString::number(all[i].multiplicator())));
        if (i == 0)
            continue;
        QVERIFY2(all[i].multiplicator() != all[i - 1].multiplicator(), qPrintable(QString::number(i)));
        if (tables.size() > 1)
            QVERIFY2(all[i].table() != all[i - 1].table(), qPrintable(QString::number(i)));
    }
}

void tst_RandomSheet::firstDrawAvoidsFirstEntries()
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        Random::seed(seed);
        RandomSheetGenerator generator;
        const Operation first = operations(generator.make(request(OperatorKind::Multiply, {u"2"_s, u"9"_s},
                                                                  numbers(3, 12))))
                                    .first();
        QCOMPARE_NE(first.table(), 2);
        QCOMPARE_NE(first.multiplicator(), 3);
    }
}

void tst_RandomSheet::singleEntriesAreAlwaysUsed()
{
    RandomSheetGenerator generator;
    for (const Operation &operation :
         operations(generator.make(request(OperatorKind::Multiply, {u"6"_s}, {u"12"_s})))) {
        QCOMPARE(operation.table(), 6);
        QCOMPARE(operation.multiplicator(), 12);
    }
}

void tst_RandomSheet::alternateStartsEveryColumnWithADivision()
{
    RandomSheetGenerator generator;
    for (int sheet = 0; sheet < 2; ++sheet) {
        const auto made = generator.make(request(OperatorKind::Alternate, {u"3"_s, u"4"_s, u"9"_s}));
        for (int c = 0; c < RandomSheetGenerator::Columns; ++c) {
            const QList<Operation> lines = column(made, c);
            QCOMPARE(lines.size(), 24);
            for (qsizetype i = 0; i < lines.size(); ++i)
                QCOMPARE(lines[i].dividing(), i % 2 == 0);
        }
    }
}

void tst_RandomSheet::crossing_data()
{
    QTest::addColumn<OperatorKind>("operation");
    QTest::addColumn<bool>("crossed");
    QTest::addColumn<int>("fewestCrossed");
    QTest::addColumn<int>("mostCrossed");
    QTest::newRow("multiply, crossing on") << OperatorKind::Multiply << true << 22 << 50;
    QTest::newRow("multiply, crossing off") << OperatorKind::Multiply << false << 0 << 0;
    QTest::newRow("divide, crossing on") << OperatorKind::Divide << true << 0 << 0;
    QTest::newRow("alternate, crossing on") << OperatorKind::Alternate << true << 8 << 28;
    QTest::newRow("random, crossing on") << OperatorKind::Random << true << 6 << 30;
    QTest::newRow("random, crossing off") << OperatorKind::Random << false << 0 << 0;
}

// Table 12 among multiplicators below 12: a line that starts with 12 is crossed.
void tst_RandomSheet::crossing()
{
    QFETCH(OperatorKind, operation);
    QFETCH(bool, crossed);
    QFETCH(int, fewestCrossed);
    QFETCH(int, mostCrossed);
    RandomSheetGenerator generator;
    int crossings = 0;
    for (const Operation &line : operations(generator.make(request(operation, {u"12"_s}, numbers(2, 11), crossed)))) {
        if (line.dividing()) {
            QCOMPARE(line.second, 12);
            QCOMPARE(line.first % 12, 0);
        } else if (line.first == 12) {
            ++crossings;
        } else {
            QCOMPARE(line.second, 12);
        }
    }
    QVERIFY2(crossings >= fewestCrossed && crossings <= mostCrossed, qPrintable(QString::number(crossings)));
}

void tst_RandomSheet::divisionSignByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("sign");
    QTest::newRow("French") << u"fr"_s << u":"_s;
    QTest::newRow("German") << u"de"_s << Division;
    QTest::newRow("English") << u"en"_s << Division;
    QTest::newRow("Dutch") << u"nl"_s << Division;
    QTest::newRow("New") << u"New"_s << Division;
}

void tst_RandomSheet::divisionSignByLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, sign);
    RandomSheetGenerator generator;
    const auto sheet = generator.make(request(OperatorKind::Divide, {u"3"_s}, numbers(1, 12), false, language));
    for (const Operation &line : operations(sheet))
        QCOMPARE(line.sign, sign);
    QVERIFY(sheet[0].first().contains(u' ' + sign + u" 3 =  ____"_s));
}

void tst_RandomSheet::drawsInTheirOrder_data()
{
    QTest::addColumn<OperatorKind>("operation");
    QTest::addColumn<bool>("crossed");
    QTest::newRow("multiply, crossed") << OperatorKind::Multiply << true;
    QTest::newRow("random, crossed") << OperatorKind::Random << true;
    QTest::newRow("alternate, crossed") << OperatorKind::Alternate << true;
    QTest::newRow("divide, crossed") << OperatorKind::Divide << true;
}

// Multiplicator, table, operator (Random only), crossing (only when it
// applies): the same seed gives the same lines as drawing them by hand.
void tst_RandomSheet::drawsInTheirOrder()
{
    QFETCH(OperatorKind, operation);
    QFETCH(bool, crossed);
    const QStringList tables = {u"2"_s, u"5"_s, u"7"_s};
    const QStringList multiplicators = numbers(4, 12);

    Random::seed(77);
    QStringList expected;
    int previousM = 0;
    int previousT = 0;
    bool dividing = false;
    for (int i = 0; i < 72; ++i) {
        int m = Random::below(9);
        while (m == previousM)
            m = Random::below(9);
        int t = Random::below(3);
        while (t == previousT)
            t = Random::below(3);
        previousM = m;
        previousT = t;
        if (operation == OperatorKind::Random)
            dividing = Random::below(2) == 1;
        else if (operation == OperatorKind::Alternate)
            dividing = !dividing;
        else
            dividing = operation == OperatorKind::Divide;
        const QString mText = multiplicators[m];
        const QString tText = tables[t];
        if (dividing)
            expected << QString::number(mText.toInt() * tText.toInt()) + u' ' + Division + u' ' + tText + u" =  ____"_s;
        else if (crossed && Random::below(2) == 1)
            expected << tText + u" x "_s + mText + u" =  ____"_s;
        else
            expected << mText + u" x "_s + tText + u" =  ____"_s;
    }

    Random::seed(77);
    RandomSheetGenerator generator;
    QStringList made;
    for (const QStringList &lines : generator.make(request(operation, tables, multiplicators, crossed)))
        for (const QString &line : lines)
            if (line != u" ")
                made << line;
    QCOMPARE(made, expected);
}

void tst_RandomSheet::headerNamesTablesAndOptions_data()
{
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<bool>("crossed");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("crossing");
    QTest::newRow("three tables, crossed") << QStringList{u"2"_s, u"5"_s, u"7"_s} << true
                                           << u"Find them: 2, 5, 7 *"_s << u"Swapped"_s;
    QTest::newRow("one table, not crossed") << QStringList{u"4"_s} << false << u"Find them: 4 *"_s
                                            << u"Kept"_s;
}

void tst_RandomSheet::headerNamesTablesAndOptions()
{
    QFETCH(QStringList, tables);
    QFETCH(bool, crossed);
    QFETCH(QString, comment);
    QFETCH(QString, crossing);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"en.lng"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[PrintDlg]\r\nvQRRandSheetTitle=Random\r\nvQRRandSheetComment=Find them:\r\n"
               "vQROptions=Options\r\nvQRRandSheetCrossed=Swapped\r\nvQRRandSheetNotCrossed=Kept\r\n"
               "vQRRandSheetMult=From\r\nvQRDateString=On\r\n");
    file.close();

    Worksheets worksheets;
    RandomWorksheetRequest wanted;
    wanted.draw = request(OperatorKind::Divide, tables, numbers(6, 12), crossed);
    wanted.operatorName = u"Operator: Divide"_s;
    wanted.smallestMultiplicator = 6;
    const ReportPage &page = worksheets.makeRandom(CaptionTexts::load(path, u"PrintDlg"_s), wanted);
    QCOMPARE(page.item(u"QRRandomTitle"_s)->text, u"Random"_s);
    QCOMPARE(page.item(u"QRRandomComment"_s)->text, comment);
    QCOMPARE(page.item(u"QROptions"_s)->text, u"Options"_s);
    QCOMPARE(page.item(u"QROptionCrossed"_s)->text, crossing);
    QCOMPARE(page.item(u"QROptionMultiplier"_s)->text, u"From 6"_s);
    QCOMPARE(page.item(u"QRLabel2"_s)->text, u"Operator: Divide"_s);
    QCOMPARE(page.item(u"QRDate"_s)->text, u"On"_s);
    for (const QString &name : TRPrintRandom::ColumnNames)
        QCOMPARE(page.item(name)->lines.size(), 50);
}

void tst_RandomSheet::requestedTwiceGivesNewDrawsAndNoLeftovers()
{
    Worksheets worksheets;
    RandomWorksheetRequest wanted;
    wanted.draw = request(OperatorKind::Multiply, {u"2"_s, u"3"_s, u"4"_s, u"5"_s});
    const QStringList first = worksheets.makeRandom({}, wanted).item(u"QRMemo1"_s)->lines;
    worksheets.emptyColumns();
    for (const QString &name : TRPrintRandom::ColumnNames)
        QVERIFY(worksheets.page(WorksheetKind::Random).item(name)->lines.isEmpty());
    const QStringList second = worksheets.makeRandom({}, wanted).item(u"QRMemo1"_s)->lines;
    QCOMPARE(second.size(), 50);
    QCOMPARE_NE(second, first);
}

QTEST_GUILESS_MAIN(tst_RandomSheet)
#include "tst_RandomSheet.moc"
