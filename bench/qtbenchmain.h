#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// main() of the benchmarks that build widgets: a QApplication on the
// offscreen platform (unless one is chosen) before the benchmarks run.
inline int runQtBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
