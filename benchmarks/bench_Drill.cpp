// Judging an answer and posing the next question in the drill window,
// offscreen and with the sound off; with the chronometer stopped (argument
// 0) or running, its gauge shown (argument 1).
#include "BenchmarkMain.h"
#include "TFCalculator.h"
#include "WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

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
    QDir(dir.path()).mkpath(u"sys"_s);
    const QString sys = dir.path() + u"/sys/"_s;
    write(sys + u"multable.ini"_s, "[GLOBAL]\r\nLanguage=en\r\nRange=1\r\nOperation=3\r\n"
                                   "[CHRONO]\r\nTimer1=3\r\nJauge=1\r\n[SON]\r\nBouton=0\r\n");
    write(sys + u"choices.txt"_s, "3\r\n7\r\n12\r\n");
    write(sys + u"en.lng"_s,
          "[FCalculator]\r\nvResultRightLbl=Well done!\r\nvResultWrongLbl=Oops!\r\nvAverageCalc=out of 10\r\n");
    write(sys + u"enOpSel.txt"_s, "Multiply\r\nDivide\r\nAlternate\r\nRandom\r\n");

    WindowSet windows(dir.path());
    if (!windows.create(WindowSet::DrillWindow)) {
        state.SkipWithError("the program folder could not be read");
        return;
    }
    TFCalculator *drill = windows.FCalculator;
    auto *answer = drill->findChild<QLineEdit *>(u"Ans"_s);
    drill->show();
    QCoreApplication::processEvents();
    if (state.range(0) == 1)
        drill->findChild<QPushButton *>(u"BitBtn12"_s)->click();
    bool right = true;
    for (auto _ : state) {
        const int expected = windows.context.drill.Expected;
        answer->setText(QString::number(right ? expected : expected + 1));
        drill->BitBtn2Click();
        QCoreApplication::processEvents(); // the repaint of what changed
        right = !right;
    }
    drill->hide();
    state.counters["mark"] = windows.context.drill.Mark;
}

} // namespace

BENCHMARK(judgeAndPoseNext)->ArgName("chronometer")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
