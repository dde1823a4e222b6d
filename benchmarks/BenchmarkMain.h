#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

// Runs the registered benchmarks inside an application of the given kind,
// offscreen unless the environment names a platform.
template<typename Application>
int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
