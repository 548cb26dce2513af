// The real store on a real file: opening the product database (its password check included), reading and
// writing one setting through the environment component, checking that program files exist, and the settings
// tool's get and set as separate processes. The database is made by the settings tool, as a practice makes it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "environment/environment_stand_in.h"
#include "store/sqlite_database.h"
#include "support/env_test_support.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const char* const Tool = ZW_BENCH_SETTINGS_TOOL;

// Runs the settings tool with standard input and output from and to files; its exit code.
int RunTool(const std::vector<std::string>& args, const std::string& in, const std::string& out) {
    std::vector<std::string> all{Tool};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, Tool, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error(std::string("could not start ") + Tool);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A product folder with a fresh database holding one setting, removed at the end.
struct ProductFolder {
    fs::path folder;
    std::string database, in, out;

    ProductFolder() {
        char pattern[] = "/tmp/zwbench-XXXXXX";
        folder = mkdtemp(pattern);
        database = (folder / "ZELTWIN.MDB").string();
        in = (folder / "in").string();
        out = (folder / "out").string();
        std::ofstream(in, std::ios::binary) << "DI_GENDEX\n\n\r";
        if (RunTool({"create-database", database}, "/dev/null", out) != 0 ||
            RunTool({"--database", database, "set", "INTERFACE", "XRAYBENCH"}, in, out) != 0)
            throw std::runtime_error("the settings tool could not make " + database);
    }
    ~ProductFolder() { fs::remove_all(folder); }
};

// The component as the program has it: initialised, its environment loaded, the product database open.
struct OpenComponent {
    zw::StandInFactory factory;
    zw::SqliteDatabaseEngine engine;

    std::unique_ptr<zw::EnvironmentComponent> component = zw::envtest::InitialisedComponent(factory);

    explicit OpenComponent(const ProductFolder& product) {
        zw::EnvironmentComponent& env = *component;
        env.SetProgramFolder(product.folder.string());
        env.LoadEnvironment();
        env.SetActiveDatabase(engine.OpenDatabase(product.database, false, false, ";pwd=" + env.DatabasePassword()));
    }
    ~OpenComponent() {
        if (auto database = component->ActiveDatabase())
            database->Close();
    }
};

void OpenProductDatabase(benchmark::State& state) {
    ProductFolder product;
    zw::StandInFactory factory;
    auto env = zw::envtest::InitialisedComponent(factory);
    env->LoadEnvironment();
    const std::string connect = ";pwd=" + env->DatabasePassword();
    zw::SqliteDatabaseEngine engine;
    for (auto _ : state) {
        zw::DatabaseRef database = engine.OpenDatabase(product.database, false, false, connect);
        database->Close();
    }
}
BENCHMARK(OpenProductDatabase)->Unit(benchmark::kMillisecond);

void ReadSetting(benchmark::State& state) {
    ProductFolder product;
    OpenComponent open(product);
    for (auto _ : state)
        benchmark::DoNotOptimize(open.component->ReadSetting("INTERFACE", "XRAYBENCH", 2, "", 0, 0));
}
BENCHMARK(ReadSetting)->Unit(benchmark::kMicrosecond);

// One transaction with its journal and the file system's sync: what the close pays for the write.
void WriteSetting(benchmark::State& state) {
    ProductFolder product;
    OpenComponent open(product);
    int round = 0;
    for (auto _ : state)
        open.component->WriteSetting("INTERFACE", "XRAYBENCH", 2, (++round % 2 ? "DI_SCANX\n\n\r" : "NONE\n\n\r"), 0,
                                     0);
}
BENCHMARK(WriteSetting)->Unit(benchmark::kMillisecond);

// The close's existence test of a checked program file, on a warm cache: twelve rows check a file.
void CheckTwelveFiles(benchmark::State& state) {
    ProductFolder product;
    OpenComponent open(product);
    const std::string file = product.in;
    for (auto _ : state)
        for (int i = 0; i < 12; ++i)
            benchmark::DoNotOptimize(open.component->CheckFileExists(file));
}
BENCHMARK(CheckTwelveFiles)->Unit(benchmark::kMicrosecond);

void ToolGet(benchmark::State& state) {
    ProductFolder product;
    for (auto _ : state)
        if (RunTool({"--database", product.database, "get", "INTERFACE", "XRAYBENCH"}, "/dev/null", product.out) != 0)
            state.SkipWithError("get failed");
}
BENCHMARK(ToolGet)->Unit(benchmark::kMillisecond);

void ToolSet(benchmark::State& state) {
    ProductFolder product;
    for (auto _ : state)
        if (RunTool({"--database", product.database, "set", "INTERFACE", "XRAYBENCH"}, product.in, product.out) != 0)
            state.SkipWithError("set failed");
}
BENCHMARK(ToolSet)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
