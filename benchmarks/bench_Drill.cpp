// Judging an answer and posing the next question in the drill window,
// offscreen and with the sound off.
#include "TFCalculator.h"
#include "WindowSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {


void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void judgeAndPoseNext(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("sys"));
    const QString sys = dir.path() + QStringLiteral("/sys/");
    write(sys + QStringLiteral("multable.ini"), "[GLOBAL]\r\nLanguage=en\r\nRange=1\r\nOperation=3\r\n[SON]\r\nBouton=0\r\n");
    write(sys + QStringLiteral("choices.txt"), "3\r\n7\r\n12\r\n");
    write(sys + QStringLiteral("en.lng"),
          "[FCalculator]\r\nvResultRightLbl=Well done!\r\nvResultWrongLbl=Oops!\r\nvAverageCalc=out of 10\r\n");
    write(sys + QStringLiteral("enOpSel.txt"), "Multiply\r\nDivide\r\nAlternate\r\nRandom\r\n");

    WindowSet windows(dir.path());
    if (!windows.create()) {
        state.SkipWithError("the program folder could not be read");
        return;
    }
    TFCalculator *drill = windows.FCalculator;
    drill->show();
    QCoreApplication::processEvents();
    bool right = true;
    for (auto _ : state) {
        const int expected = windows.context.drill.Expected;
        drill->Ans->setText(QString::number(right ? expected : expected + 1));
        drill->BitBtn2Click();
        QCoreApplication::processEvents(); // the repaint of what changed
        right = !right;
    }
    drill->hide();
    state.counters["mark"] = windows.context.drill.Mark;
}

} // namespace

BENCHMARK(judgeAndPoseNext)->Unit(benchmark::kMicrosecond);
