// Drawing one random worksheet and writing it to a PDF file, as the print
// dialog and the command line do, offscreen.
#include "BenchmarkMain.h"
#include "ReportPdf.h"
#include "Worksheets.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

RandomWorksheetRequest request()
{
    RandomWorksheetRequest wanted;
    wanted.draw.tables = {QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("7")};
    for (int m = 1; m <= 12; ++m)
        wanted.draw.multiplicators << QString::number(m);
    wanted.draw.operation = OperatorKind::Random;
    wanted.draw.crossed = true;
    wanted.draw.languageCode = QStringLiteral("en");
    wanted.operatorName = QStringLiteral("Operator: Random");
    return wanted;
}

void randomSheetToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    Worksheets worksheets;
    const RandomWorksheetRequest wanted = request();
    for (auto _ : state) {
        const ReportPage page = worksheets.makeRandom(CaptionTexts(), wanted);
        worksheets.emptyColumns();
        if (ReportPdf::write(path, QStringLiteral("Numerillo"), {page}) != SafeFile::Result::Written)
            state.SkipWithError("the PDF file could not be written");
    }
}

} // namespace

BENCHMARK(randomSheetToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
