#include "ReportPage.h"
#include "ReportPainter.h"
#include "TRPrintAllWith.h"
#include "TRPrintAllWithout.h"
#include "TRPrintGrid.h"
#include "TRPrintRandom.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QImage>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReportItem::Kind)

namespace {

ReportPage makePage(const QString &name)
{
    if (name == u"with")
        return TRPrintAllWith();
    if (name == u"without")
        return TRPrintAllWithout();
    if (name == u"random")
        return TRPrintRandom();
    return TRPrintGrid();
}

constexpr qreal Tolerance = 0.05; // millimetres

bool near(qreal a, qreal b)
{
    return std::abs(a - b) < Tolerance;
}

} // namespace

class tst_WorksheetPages : public QObject
{
    Q_OBJECT

private slots:
    void itemsStandWhereTheyBelong_data();
    void itemsStandWhereTheyBelong();
    void tableBlocks_data();
    void tableBlocks();
    void allItemsLieWithinTheMargins_data();
    void allItemsLieWithinTheMargins();
    void gridHoldsHeadersAndProducts();
    void gridLinesAndCorner();
    void randomColumnsFitAboveTheFooter();
    void longTextsAreSetSmallerToFit_data();
    void longTextsAreSetSmallerToFit();
};

void tst_WorksheetPages::itemsStandWhereTheyBelong_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("item");
    QTest::addColumn<ReportItem::Kind>("kind");
    QTest::addColumn<QRectF>("box"); // a width or height of 0: grows with its text, one line high
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<int>("alignment");

    const auto label = ReportItem::Kind::Label;
    const auto date = ReportItem::Kind::Date;
    const int left = Qt::AlignLeft;
    const int right = Qt::AlignRight;
    QTest::newRow("with: title") << u"with"_s << u"QROtherTitle"_s << label << QRectF(20.6, 14.0, 0, 0) << 16.0 << true << true << left;
    QTest::newRow("with: date text") << u"with"_s << u"QRDate"_s << label << QRectF(124.3, 12.1, 50.8, 0) << 10.0 << false << false << right;
    QTest::newRow("with: date") << u"with"_s << u"QRSysData1"_s << date << QRectF(176.2, 12.1, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("with: address") << u"with"_s << u"QRLabel1"_s << label << QRectF(132.5, 18.5, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("without: title") << u"without"_s << u"QROtherTitle"_s << label << QRectF(20.6, 12.4, 0, 0) << 16.0 << true << true << left;
    QTest::newRow("without: comment") << u"without"_s << u"QRComment"_s << label << QRectF(20.6, 19.0, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("without: date text") << u"without"_s << u"QRDate"_s << label << QRectF(131.7, 12.9, 43.4, 0) << 10.0 << false << false << right;
    QTest::newRow("without: date") << u"without"_s << u"QRSysData1"_s << date << QRectF(175.9, 12.9, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("without: address") << u"without"_s << u"QRLabel1"_s << label << QRectF(131.7, 18.5, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("random: title") << u"random"_s << u"QRRandomTitle"_s << label << QRectF(16.3, 17.4, 0, 0) << 12.0 << true << true << left;
    QTest::newRow("random: comment") << u"random"_s << u"QRRandomComment"_s << label << QRectF(16.3, 23.8, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("random: options") << u"random"_s << u"QROptions"_s << label << QRectF(156.1, 13.2, 0, 0) << 9.0 << true << true << left;
    QTest::newRow("random: crossing") << u"random"_s << u"QROptionCrossed"_s << label << QRectF(156.1, 17.4, 0, 0) << 9.0 << false << false << left;
    QTest::newRow("random: multiplier") << u"random"_s << u"QROptionMultiplier"_s << label << QRectF(156.1, 21.4, 0, 0) << 9.0 << false << false << left;
    QTest::newRow("random: operator") << u"random"_s << u"QRLabel2"_s << label << QRectF(156.1, 25.1, 0, 0) << 9.0 << false << false << left;
    QTest::newRow("random: left column") << u"random"_s << u"QRMemo1"_s << ReportItem::Kind::Lines << QRectF(16.9, 34.9, 35.7, 227.5) << 11.0 << false << false << right;
    QTest::newRow("random: middle column") << u"random"_s << u"QRMemo2"_s << ReportItem::Kind::Lines << QRectF(82.5, 34.9, 35.7, 227.5) << 11.0 << false << false << right;
    QTest::newRow("random: right column") << u"random"_s << u"QRMemo3"_s << ReportItem::Kind::Lines << QRectF(152.4, 34.9, 35.7, 227.5) << 11.0 << false << false << right;
    QTest::newRow("random: address") << u"random"_s << u"QRLabel1"_s << label << QRectF(27.5, 261.7, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("random: date text") << u"random"_s << u"QRDate"_s << label << QRectF(133.3, 262.5, 45.2, 0) << 10.0 << false << false << right;
    QTest::newRow("random: date") << u"random"_s << u"QRSysData1"_s << date << QRectF(179.4, 262.5, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("grid: title") << u"grid"_s << u"QRGridCaption"_s << label << QRectF(20.6, 18.5, 0, 0) << 14.0 << true << true << left;
    QTest::newRow("grid: date text") << u"grid"_s << u"QRDate"_s << label << QRectF(128.5, 20.3, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("grid: date") << u"grid"_s << u"QRSysData1"_s << date << QRectF(168.2, 20.6, 0, 0) << 10.0 << false << false << left;
    QTest::newRow("grid: address") << u"grid"_s << u"QRLabel1"_s << label << QRectF(98.4, 182.6, 0, 0) << 10.0 << false << false << left;
}

void tst_WorksheetPages::itemsStandWhereTheyBelong()
{
    QFETCH(QString, page);
    QFETCH(QString, item);
    QFETCH(ReportItem::Kind, kind);
    QFETCH(QRectF, box);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underlined);
    QFETCH(int, alignment);

    const ReportPage made = makePage(page);
    const ReportItem *found = made.item(item);
    QVERIFY(found);
    QCOMPARE(found->kind, kind);
    QVERIFY2(near(found->box.x(), box.x()) && near(found->box.y(), box.y())
                 && near(found->box.width(), box.width()) && near(found->box.height(), box.height()),
             qPrintable(u"%1 %2 %3 %4"_s.arg(found->box.x()).arg(found->box.y()).arg(found->box.width()).arg(found->box.height())));
    QCOMPARE(found->font, (ReportFont{u"Arial"_s, points, bold, underlined}));
    QCOMPARE(int(found->alignment), alignment);
}

void tst_WorksheetPages::tableBlocks_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("table");
    QTest::addColumn<QPointF>("firstLine");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("with: 1") << u"with"_s << 1 << QPointF(19.8, 29.1) << u"1 x 1 = 1"_s << u"12 x 1 = 12"_s;
    QTest::newRow("with: 4") << u"with"_s << 4 << QPointF(169.3, 29.1) << u"1 x 4 = 4"_s << u"12 x 4 = 48"_s;
    QTest::newRow("with: 7") << u"with"_s << 7 << QPointF(120.4, 108.5) << u"1 x 7 = 7"_s << u"12 x 7 = 84"_s;
    QTest::newRow("with: 10") << u"with"_s << 10 << QPointF(70.1, 187.9) << u"1 x 10 = 10"_s << u"12 x 10 = 120"_s;
    QTest::newRow("with: 12") << u"with"_s << 12 << QPointF(170.7, 187.9) << u"1 x 12 = 12"_s << u"12 x 12 = 144"_s;
    QTest::newRow("without: 1") << u"without"_s << 1 << QPointF(20.4, 29.6) << u"1 x 1 ="_s << u"12 x 1 ="_s;
    QTest::newRow("without: 2") << u"without"_s << 2 << QPointF(70.9, 29.6) << u"1 x 2 ="_s << u"12 x 2 ="_s;
    QTest::newRow("without: 3") << u"without"_s << 3 << QPointF(119.6, 29.6) << u"1 x 3 ="_s << u"12 x 3 ="_s;
    QTest::newRow("without: 8") << u"without"_s << 8 << QPointF(170.7, 109.0) << u"1 x 8 ="_s << u"12 x 8 ="_s;
    QTest::newRow("without: 12") << u"without"_s << 12 << QPointF(170.7, 188.4) << u"1 x 12 ="_s << u"12 x 12 ="_s;
}

// Twelve lines in Arial 11 pt bold, 6 mm apart, the twelfth 66.1 mm below the first.
void tst_WorksheetPages::tableBlocks()
{
    QFETCH(QString, page);
    QFETCH(int, table);
    QFETCH(QPointF, firstLine);
    QFETCH(QString, first);
    QFETCH(QString, last);

    const ReportPage made = makePage(page);
    for (int m = 1; m <= 12; ++m) {
        const ReportItem *line = made.item(u"Table%1Line%2"_s.arg(table).arg(m));
        QVERIFY(line);
        QVERIFY(near(line->box.x(), firstLine.x()));
        QVERIFY(near(line->box.y(), firstLine.y() + (m - 1) * 66.1 / 11));
        QCOMPARE(line->font, (ReportFont{u"Arial"_s, 11, true, false}));
        QCOMPARE(line->alignment, Qt::AlignLeft);
    }
    QCOMPARE(made.item(u"Table%1Line1"_s.arg(table))->text, first);
    QCOMPARE(made.item(u"Table%1Line12"_s.arg(table))->text, last);
    const auto lines = std::count_if(made.items().begin(), made.items().end(),
                                     [](const ReportItem &item) { return item.name.startsWith(u"Table"); });
    QCOMPARE(lines, 144);
}

void tst_WorksheetPages::allItemsLieWithinTheMargins_data()
{
    QTest::addColumn<QString>("page");
    for (const char *name : {"with", "without", "random", "grid"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_WorksheetPages::allItemsLieWithinTheMargins()
{
    QFETCH(QString, page);
    const QRectF printable(10, 10, 190, 277);
    for (const ReportItem &item : makePage(page).items()) {
        const QRectF box = item.kind == ReportItem::Kind::Rule ? QRectF(item.rule.p1(), item.rule.p2()).normalized()
                                                               : item.box;
        QVERIFY2(printable.contains(box.topLeft()) && printable.contains(box.bottomRight()),
                 qPrintable(item.name));
    }
}

void tst_WorksheetPages::gridHoldsHeadersAndProducts()
{
    const TRPrintGrid grid;
    QVERIFY(!grid.item(u"Cell0_0"_s));
    QVERIFY(!grid.item(u"Shade0_0"_s));
    int shades = 0;
    for (int row = 0; row < TRPrintGrid::Rows; ++row) {
        for (int column = 0; column < TRPrintGrid::Columns; ++column) {
            if (row == 0 && column == 0)
                continue;
            const ReportItem *cell = grid.item(u"Cell%1_%2"_s.arg(row).arg(column));
            QVERIFY(cell);
            const bool header = row == 0 || column == 0;
            const int expected = row == 0 ? column + 1 : column == 0 ? row : row * (column + 1);
            QCOMPARE(cell->text, QString::number(expected));
            QCOMPARE(cell->font.bold, header);
            QCOMPARE(cell->alignment, Qt::AlignCenter);
            QCOMPARE(cell->box, TRPrintGrid::cell(row, column));
            shades += grid.item(u"Shade%1_%2"_s.arg(row).arg(column)) != nullptr;
            QCOMPARE(grid.item(u"Shade%1_%2"_s.arg(row).arg(column)) != nullptr, header);
        }
    }
    QCOMPARE(shades, 11 + 12);
    QCOMPARE(grid.item(u"Cell1_1"_s)->text, u"2"_s);
    QCOMPARE(grid.item(u"Cell12_11"_s)->text, u"144"_s);
    QVERIFY(near(TRPrintGrid::Picture.width(), 157.7));
    QVERIFY(near(TRPrintGrid::Picture.height(), 131.2));
    QCOMPARE(TRPrintGrid::Picture.topLeft(), QPointF(23.3, 46.6));
}

void tst_WorksheetPages::gridLinesAndCorner()
{
    const TRPrintGrid grid;
    const qreal thin = 2 * 25.4 / 96;
    const qreal thick = 3 * 25.4 / 96;
    const QRectF corner = TRPrintGrid::cell(0, 0);
    QList<QLineF> thick_lines;
    bool diagonal = false;
    bool cornerEdge = false;
    for (const ReportItem &item : grid.items()) {
        if (item.kind != ReportItem::Kind::Rule)
            continue;
        QVERIFY(near(item.ruleWidth, thin) || near(item.ruleWidth, thick));
        if (near(item.ruleWidth, thick))
            thick_lines << item.rule;
        const QLineF line = item.rule;
        if ((line.p1() == corner.bottomLeft() && line.p2() == corner.topRight())
            || (line.p2() == corner.bottomLeft() && line.p1() == corner.topRight()))
            diagonal = true;
        // Nothing runs along the corner's outer edges.
        const bool onTopEdge = near(line.y1(), corner.top()) && near(line.y2(), corner.top())
                               && std::min(line.x1(), line.x2()) < corner.right() - Tolerance;
        const bool onLeftEdge = near(line.x1(), corner.left()) && near(line.x2(), corner.left())
                                && std::min(line.y1(), line.y2()) < corner.bottom() - Tolerance;
        cornerEdge = cornerEdge || onTopEdge || onLeftEdge;
    }
    QVERIFY(diagonal);
    QVERIFY(!cornerEdge);
    // The lines under the header row and beside the header column.
    QCOMPARE(thick_lines.size(), 2);
    QVERIFY(near(thick_lines[0].y1(), corner.bottom()) && near(thick_lines[0].y2(), corner.bottom()));
    QVERIFY(near(thick_lines[1].x1(), corner.right()) && near(thick_lines[1].x2(), corner.right()));
}

// 50 lines of Arial 11 pt, as the painter spaces them on a PDF page.
void tst_WorksheetPages::randomColumnsFitAboveTheFooter()
{
    const TRPrintRandom page;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QFont font(u"Arial"_s);
    font.setPointSizeF(11);
    const qreal lineMm = QFontMetricsF(font, &writer).lineSpacing() / writer.logicalDpiY() * 25.4;
    const ReportItem *column = page.item(u"QRMemo1"_s);
    QVERIFY(50 * lineMm <= column->box.height());
    QVERIFY(column->box.top() + 50 * lineMm < page.item(u"QRLabel1"_s)->box.top());
}

void tst_WorksheetPages::longTextsAreSetSmallerToFit_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("item");
    QTest::addColumn<qreal>("rightmost"); // millimetres
    QTest::newRow("tables title before the address") << u"without"_s << u"QROtherTitle"_s << 131.7;
    QTest::newRow("random title before the options") << u"random"_s << u"QRRandomTitle"_s << 156.1;
    QTest::newRow("random comment before the options") << u"random"_s << u"QRRandomComment"_s << 156.1;
    QTest::newRow("option within the margin") << u"random"_s << u"QROptionCrossed"_s << 200.0;
    QTest::newRow("grid title before the date text") << u"grid"_s << u"QRGridCaption"_s << 128.5;
    QTest::newRow("grid date text before the date") << u"grid"_s << u"QRDate"_s << 168.2;
}

// A translation far longer than the English text stays clear of its neighbours.
void tst_WorksheetPages::longTextsAreSetSmallerToFit()
{
    QFETCH(QString, page);
    QFETCH(QString, item);
    QFETCH(qreal, rightmost);
    ReportPage alone;
    ReportItem label = *makePage(page).item(item);
    label.text = u"A very long translation of the text on this worksheet, longer than any"_s;
    alone.add(label);

    // A4 at 200 pixels per inch.
    QImage sheet(1654, 2339, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(7874);
    sheet.setDotsPerMeterY(7874);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    ReportPainter::paint(painter, alone);
    painter.end();
    int left = sheet.width();
    int right = -1;
    for (int y = 0; y < sheet.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(sheet.constScanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            if (line[x] != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const qreal mmPerPixel = 25.4 / 200;
    QVERIFY(right > left);
    QVERIFY(left * mmPerPixel >= label.box.left() - 1);
    QVERIFY2(right * mmPerPixel <= rightmost, qPrintable(QString::number(right * mmPerPixel)));
}

QTEST_MAIN(tst_WorksheetPages)
#include "tst_WorksheetPages.moc"
