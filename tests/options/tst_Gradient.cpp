#include "ColorValue.h"
#include "GradientTable.h"
#include "TGradient.h"

#include <QTest>

#include <algorithm>
#include <vector>

class tst_Gradient : public QObject
{
    Q_OBJECT

private slots:
    void colourTable_data();
    void colourTable();
    void bands_data();
    void bands();
    void paintsTheTable();
    void paintsEveryLineWithItsLastBand_data();
    void paintsEveryLineWithItsLastBand();
    void changeRebuildsOnlyOnRealChange();
};

Q_DECLARE_METATYPE(GradientSpec)

namespace {

constexpr int rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

GradientSpec spec(int start, int middle, int end, bool twice, bool flipped)
{
    GradientSpec s;
    s.StartColor = start;
    s.MiddleColor = middle;
    s.EndColor = end;
    s.DoubleGradient = twice;
    s.Flipped = flipped;
    return s;
}

} // namespace

void tst_Gradient::colourTable_data()
{
    QTest::addColumn<GradientSpec>("gradient");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("color");

    const GradientSpec whiteToBlack = spec(GradientSpec::White, 0, rgb(0, 0, 0), false, false);
    QTest::newRow("single: first two entries white") << whiteToBlack << 1 << GradientSpec::White;
    QTest::newRow("single: a falling channel ends one short") << whiteToBlack << 511 << rgb(1, 1, 1);
    QTest::newRow("single: the last two entries are equal") << whiteToBlack << 510 << rgb(1, 1, 1);
    QTest::newRow("single: a rising channel reaches its end")
        << spec(0, 0, GradientSpec::White, false, false) << 511 << GradientSpec::White;
    QTest::newRow("single: rounding in the middle")
        << spec(0, 0, rgb(255, 0, 100), false, false) << 256 << rgb(128, 0, 50);

    const GradientSpec blackWhiteBlack = spec(0, GradientSpec::White, 0, true, false);
    QTest::newRow("double: entry 255 is the middle") << blackWhiteBlack << 255 << GradientSpec::White;
    QTest::newRow("double: entry 256 is the middle") << blackWhiteBlack << 256 << GradientSpec::White;
    QTest::newRow("double: entry 511") << blackWhiteBlack << 511 << rgb(1, 1, 1);
    QTest::newRow("double: entry 0 is the start") << blackWhiteBlack << 0 << 0;

    const GradientSpec ocean = spec(16777088, GradientSpec::Blue, GradientSpec::Navy, false, true);
    QTest::newRow("flipped: begins with the end colour") << ocean << 0 << GradientSpec::Navy;
    QTest::newRow("flipped: ends near the start colour") << ocean << 511 << 16777088;
}

void tst_Gradient::colourTable()
{
    QFETCH(GradientSpec, gradient);
    QFETCH(int, entry);
    QFETCH(int, color);
    QCOMPARE(GradientTable(gradient).color(entry), color);
}

void tst_Gradient::bands_data()
{
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("thickness");

    QTest::newRow("512 pixels: band 0") << 512 << 0 << 0 << 2;
    QTest::newRow("512 pixels: band 1") << 512 << 1 << 1 << 2;
    QTest::newRow("512 pixels: band 511") << 512 << 511 << 511 << 2;
    QTest::newRow("533 pixels: band 511") << 533 << 511 << 532 << 2;
    QTest::newRow("100 pixels: bands overlap") << 100 << 300 << 59 << 1;
    QTest::newRow("1100 pixels: thicker bands") << 1100 << 1 << 2 << 3;
}

void tst_Gradient::bands()
{
    QFETCH(int, extent);
    QFETCH(int, band);
    QFETCH(int, start);
    QFETCH(int, thickness);
    QCOMPARE(GradientTable::bandStart(band, extent), start);
    QCOMPARE(GradientTable::bandThickness(extent), thickness);
}

void tst_Gradient::paintsTheTable()
{
    TGradient gradient;
    gradient.resize(40, 512);
    gradient.setSpec(spec(GradientSpec::White, 0, 0, false, false));
    const QImage vertical = gradient.grab().toImage();
    QCOMPARE(ColorValue::fromColor(vertical.pixelColor(20, 0)), GradientSpec::White);
    QCOMPARE(ColorValue::fromColor(vertical.pixelColor(20, 511)), rgb(1, 1, 1));

    gradient.setOrientation(GradientSpec::goHorizontal);
    gradient.resize(512, 40);
    const QImage horizontal = gradient.grab().toImage();
    QCOMPARE(ColorValue::fromColor(horizontal.pixelColor(0, 20)), GradientSpec::White);
    QCOMPARE(ColorValue::fromColor(horizontal.pixelColor(511, 20)), rgb(1, 1, 1));
}

void tst_Gradient::paintsEveryLineWithItsLastBand_data()
{
    QTest::addColumn<GradientSpec>("background");
    QTest::addColumn<QSize>("size");
    const GradientSpec plain = spec(rgb(0, 128, 0), 0, rgb(0, 128, 0), false, false);
    const GradientSpec steps = spec(0, rgb(3, 3, 3), rgb(6, 6, 6), true, false);
    const GradientSpec full = spec(GradientSpec::White, 0, rgb(255, 0, 100), false, true);
    QTest::newRow("plain, the start window") << plain << QSize(748, 533);
    QTest::newRow("a few colours in runs of bands") << steps << QSize(30, 533);
    QTest::newRow("every band its own colour") << full << QSize(30, 533);
    QTest::newRow("overlapping bands") << full << QSize(30, 100);
    QTest::newRow("thicker bands") << steps << QSize(30, 1100);
}

// Whatever bands share a colour, each line shows the last band that covers it.
void tst_Gradient::paintsEveryLineWithItsLastBand()
{
    QFETCH(GradientSpec, background);
    QFETCH(QSize, size);
    const GradientTable table(background);
    for (auto orientation : {GradientSpec::goVertical, GradientSpec::goHorizontal}) {
        background.orientation = orientation;
        const bool vertical = orientation == GradientSpec::goVertical;
        TGradient gradient;
        gradient.resize(vertical ? size : size.transposed());
        gradient.setSpec(background);
        const QImage painted = gradient.grab().toImage();

        const int extent = size.height();
        std::vector<int> expected(extent);
        for (int band = 0; band < GradientTable::Bands; ++band) {
            const int start = GradientTable::bandStart(band, extent);
            for (int i = start; i < std::min(extent, start + GradientTable::bandThickness(extent)); ++i)
                expected[i] = table.color(band);
        }
        for (int line = 0; line < extent; ++line) {
            const QPoint first = vertical ? QPoint(0, line) : QPoint(line, 0);
            const QPoint last = vertical ? QPoint(size.width() - 1, line) : QPoint(line, size.width() - 1);
            QCOMPARE(ColorValue::fromColor(painted.pixelColor(first)), expected[line]);
            QCOMPARE(ColorValue::fromColor(painted.pixelColor(last)), expected[line]);
        }
    }
}

void tst_Gradient::changeRebuildsOnlyOnRealChange()
{
    TGradient gradient;
    QCOMPARE(gradient.spec(), GradientSpec());
    QCOMPARE(gradient.table().color(0), GradientSpec::White);
    gradient.setFlipped(true);
    QCOMPARE(gradient.table().color(0), GradientSpec::Navy);
    gradient.setFlipped(true);
    QCOMPARE(gradient.table().color(0), GradientSpec::Navy);
}

QTEST_MAIN(tst_Gradient)
#include "tst_Gradient.moc"
