// Opening the progress window over a full history, and saving a drill's
// answers at its close, offscreen.
#include "BenchmarkMain.h"
#include "History.h"
#include "HistoryFile.h"
#include "TFProgress.h"
#include "WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int DrillAnswers = 20;

Answer answer(int i)
{
    const bool divide = i % 3 == 0;
    return {QDate::currentDate().addDays(-(i / 1000)), QTime(16, 0).addSecs(i % 1000),
            {i % 12 + 1, i / 12 % 12 + 1, divide ? FactSign::Divide : FactSign::Multiply},
            QString::number(i % 144), i % 5 == 0 ? Verdict::Wrong : Verdict::Right, 800 + i % 4000};
}

QList<Answer> answers(int count)
{
    QList<Answer> list;
    for (int i = 0; i < count; ++i)
        list << answer(i);
    return list;
}

struct Folder
{
    explicit Folder(int answerCount)
    {
        QDir(dir.path()).mkpath(QStringLiteral("sys"));
        HistoryFile::rewrite(history(), answers(answerCount));
        // The delivered English texts, beside the program in the build folder.
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/../sys/en.lng"),
                    dir.path() + QStringLiteral("/sys/en.lng"));
    }
    QString history() const { return dir.path() + QStringLiteral("/sys/history.txt"); }

    QTemporaryDir dir;
};

// A drill's answers reach the file at its close, in a run that has not read
// the history.
void saveDrillAnswers(const Folder &folder, benchmark::State &state)
{
    History history;
    history.setFile(folder.history());
    for (int i = 0; i < DrillAnswers; ++i)
        history.add(answer(i));
    if (!history.save())
        state.SkipWithError("the history could not be written");
}

void openProgressWindow(benchmark::State &state)
{
    Folder folder(HistoryFile::MaxAnswers);
    WindowSet windows(folder.dir.path());
    windows.context.LanguageCode = QStringLiteral("en");
    TFProgress progress(windows.context);
    for (auto _ : state) {
        windows.context.history.setFile(folder.history()); // read afresh, as at the first opening
        progress.show();
        QApplication::processEvents();
        state.PauseTiming();
        progress.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(openProgressWindow)->Unit(benchmark::kMillisecond);

void buildModel(benchmark::State &state)
{
    const QList<Answer> all = answers(HistoryFile::MaxAnswers);
    for (auto _ : state)
        benchmark::DoNotOptimize(ProgressModel(all, QDate::currentDate()));
}
BENCHMARK(buildModel)->Unit(benchmark::kMillisecond);

// The file keeps its size: what each turn appends is taken back untimed.
void appendDrillAnswers(benchmark::State &state)
{
    Folder folder(HistoryFile::MaxAnswers - 1000);
    const qint64 size = QFileInfo(folder.history()).size();
    for (auto _ : state) {
        saveDrillAnswers(folder, state);
        state.PauseTiming();
        QFile(folder.history()).resize(size);
        state.ResumeTiming();
    }
}
BENCHMARK(appendDrillAnswers)->Unit(benchmark::kMillisecond);

// A full file is rewritten with its last answers.
void trimFullHistory(benchmark::State &state)
{
    Folder folder(HistoryFile::MaxAnswers);
    for (auto _ : state)
        saveDrillAnswers(folder, state);
}
BENCHMARK(trimFullHistory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
