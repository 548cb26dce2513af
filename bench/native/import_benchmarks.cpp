// The settings tool's import of a whole practice into a fresh database, in this process: 1,000, 5,000 and
// 10,000 workstations, each with bridges, devices and a probe program. The counter per_station is the time of
// one station; it stays the same as the practice grows when nothing in the import scans all stations per
// station. Each round makes its database anew, outside the time measured.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "host/environment_overrides.h"
#include "store/database_key.h"
#include "store/product_database.h"
#include "support/env_test_support.h"
#include "tools/settings_tool.h"

namespace {

// An export file of that many stations, as export writes one.
std::string PracticeFile(int64_t stations) {
    std::string file = "{\"format\": 1, \"stations\": [\n";
    for (int64_t i = 0; i < stations; ++i) {
        const std::string name = "WS" + std::to_string(i);
        const std::string path = "C:\\\\Program Files\\\\Dexis\\\\" + std::to_string(i) + "\\\\DEXIS.EXE";
        file += std::string(i ? ",\n" : "") + "  {\"station\": \"" + name + "\", \"xray\": \"DEXIS\\n" + path +
                "\\n\\rVIPERSOFT\\n\\n\\rDI_GENDEX\\n\\n\\r\", \"probe\": \"FLORIDA PROBE\\nC:\\\\FP\\\\FP32.EXE\", "
                "\"bridges\": [{\"code\": \"DEXIS\", \"commandLine\": \"" +
                path +
                "\"}, {\"code\": \"VIPERSOFT\", \"commandLine\": \"\"}], \"devices\": [\"DI_GENDEX\"], "
                "\"probeProgram\": {\"code\": \"FLORIDA PROBE\", \"commandLine\": \"C:\\\\FP\\\\FP32.EXE\"}}";
    }
    return file + "\n]}\n";
}

void ImportPractice(benchmark::State& state) {
    const std::string file = PracticeFile(state.range(0));
    zw::envtest::TempFolder folder;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string db = folder.File("P" + std::to_string(++round) + ".MDB");
        zw::CreateProductDatabase(db, zw::BuiltInDatabasePassword);
        std::ostringstream out, err;
        state.ResumeTiming();
        const int code =
            zw::RunSettingsTool({"--database", db, "--quiet", "import", "-"}, {[&] { return file; }, out, err});
        if (code != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.counters["per_station"] =
        benchmark::Counter(static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ImportPractice)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
