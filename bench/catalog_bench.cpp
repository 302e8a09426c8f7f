// Reading a size table: a 1000-record file in code page 932, filtered for one shape.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "catalog/size_table.hpp"

namespace {

std::filesystem::path thousandRecordFile() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("hari_bench_" + std::to_string(::getpid()) + ".csv");
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 1000; ++i) {
        // Ten shapes interleaved; designations with Shift_JIS "φ" and "×".
        out << (i % 10 + 1) << ",\"\x83\xD3" << 20 + i << "\x81\x7E"
            << "2.3\",2.63,3.345,8.99,"
            << "3.70,1.64\r\n";
    }
    return path;
}

void BM_ReadAndFilter1000Records(benchmark::State& state) {
    const auto path = thousandRecordFile();
    for (auto _ : state) {
        catalog::SizeTableRead r = catalog::readSizeTable(path, 1);
        benchmark::DoNotOptimize(r.rows.data());
        if (r.rows.size() != 100) state.SkipWithError("wrong row count");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndFilter1000Records)->Unit(benchmark::kMicrosecond);

} // namespace
