// The dialog's own work, over the in-memory fakes of tests/support: making the form (its layout), the load
// (arrangement, database step, LoadInterfaceSettings of a record with every code), and ValidateAndSave with
// every row checked. The real files and the real store are in store_benchmarks.cpp.
#include <benchmark/benchmark.h>

#include "choice/bridge_rows.h"
#include "choice/interface_codes.h"
#include "support/dialog_harness.h"

namespace {

using zw::test::DialogHarness;
using zw::test::FakeEnvironment;

// A choice with every code the list knows, each program file named as its row expects, and the files that
// the check finds.
struct EveryCode {
    std::string record;
    std::set<std::string> files;
};

EveryCode MakeEveryCode() {
    EveryCode every;
    for (const zw::BridgeRow& rule : zw::BridgeRows()) {
        if (!rule.ChecksFile()) {
            every.record += zw::MakeRecord(rule.code, rule.field == zw::RowField::Password ? "secret" : "");
            continue;
        }
        const std::string path = "C:\\PROGRAMS\\ROW" + std::to_string(rule.row) + rule.endings.front().text;
        every.files.insert(path);
        every.record += zw::MakeRecord(rule.code != nullptr ? rule.code : rule.endings.front().code, path);
    }
    for (const char* device : {"DI_GENDEX", "DI_GENDEXGP", "DI_SCANX", "DI_SCHICK-DICOM", "DI_VISIODENT", "DI_SUNI"})
        every.record += zw::MakeRecord(device, "");
    return every;
}

void Prepare(DialogHarness& h, const EveryCode& every, bool med) {
    h.fakes.process.commandLine = med ? "MED" : "";
    // ProImage's row stays checked only where its main file is configured.
    h.fakes.profile.files.insert("C:\\WINDOWS\\Dentx.ini");
    h.fakes.profile.ini["C:\\WINDOWS\\Dentx.ini"][{"imagemgt", "MainFile"}] = "C:\\PROIMAGE\\MAIN.EXE";
    h.Prepare([&every](FakeEnvironment& env) {
        env.settings[{"INTERFACE", "XRAY" + env.stationId}] = every.record;
        env.files = every.files;
    });
}

void FormLayout(benchmark::State& state) {
    for (auto _ : state) {
        DialogHarness h;
        benchmark::DoNotOptimize(h.form.get());
    }
}
BENCHMARK(FormLayout)->Unit(benchmark::kMicrosecond);

// Making, initialising and loading the form: everything the program does before the window is shown.
void FormLoadEveryCode(benchmark::State& state) {
    const EveryCode every = MakeEveryCode();
    const bool med = state.range(0) != 0;
    for (auto _ : state) {
        DialogHarness h;
        Prepare(h, every, med);
        h.Load();
        if (!h.F().IsLoaded())
            state.SkipWithError("the form did not load");
    }
}
BENCHMARK(FormLoadEveryCode)->Arg(0)->Arg(1)->ArgName("med")->Unit(benchmark::kMicrosecond);

// The load alone, on a form made outside the timing.
void LoadOnly(benchmark::State& state) {
    const EveryCode every = MakeEveryCode();
    for (auto _ : state) {
        state.PauseTiming();
        auto h = std::make_unique<DialogHarness>();
        Prepare(*h, every, false);
        state.ResumeTiming();
        h->Load();
        state.PauseTiming();
        h.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadOnly)->Unit(benchmark::kMicrosecond);

// The check of every row and the record of the whole choice; the fake store's write costs nothing, the
// real one is WriteSetting in store_benchmarks.cpp.
void ValidateAndSaveEveryRow(benchmark::State& state) {
    const EveryCode every = MakeEveryCode();
    DialogHarness h;
    Prepare(h, every, false);
    h.Load();
    for (int i = 1; i <= h.F().CheckBox1.Count() - 1; ++i)
        if (h.F().CheckBox1(i).Value() != 1)
            state.SkipWithError(("row " + std::to_string(i) + " is not checked after the load").c_str());
    for (auto _ : state)
        if (!h.F().ValidateAndSave())
            state.SkipWithError("the check failed");
}
BENCHMARK(ValidateAndSaveEveryRow)->Unit(benchmark::kMicrosecond);

} // namespace
