// `hari report` for one saved check: reading the file, working the check out, laying the sheet
// out and writing the PDF, in the process as the command runs it (the Qt application made once).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "report/report_command.hpp"

namespace {

void BM_hariReport(benchmark::State& state) {
    QTemporaryDir dir;
    const std::vector<std::string> args = {HARI_SOURCE_DIR "/docs/examples/b1.hari", "--pdf",
                                           dir.filePath("b1.pdf").toStdString()};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (report::reportCommand(args, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
}
BENCHMARK(BM_hariReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
