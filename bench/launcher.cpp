// Starts the real program and the bare window alternately, in one Wine prefix (or on Windows), and measures
// for each: CreateProcess to its visible top-level "Interface Setup" window, and WM_CLOSE to the end of the
// process. Prints medians, ranges and the median ratio program / bare taken pair by pair; with --trace-rounds
// it then starts the program again with ZW_TRACE_STARTUP and prints where its time goes.
//
//   ZWBenchLauncher.exe --program EXE --bare EXE --folder DIR [--label TEXT] [--rounds N] [--warmup N]
//                       [--trace-rounds N] [--header] [-- PROGRAM ARGUMENTS]
// --rounds 0 leaves out the timed rounds (only the trace).
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "launcher_stats.h"
#include "trace_file.h"

namespace {

using zwbench::Summarise;
using zwbench::Summary;

const wchar_t* const Caption = L"Interface Setup";

struct Options {
    std::wstring program, bare, folder, label = L"standard", arguments;
    int rounds = 15;
    int warmup = 2;
    int traceRounds = 0;
    bool header = false;
};

double Now() {
    static const double msPerTick = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return 1000.0 / static_cast<double>(frequency.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * msPerTick;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

Options Parse() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    Options options;
    for (int i = 1; i < count; ++i) {
        const std::wstring arg = argv[i];
        auto next = [&]() -> std::wstring {
            if (i + 1 >= count)
                throw std::runtime_error("missing value after " + Narrow(arg));
            return argv[++i];
        };
        if (arg == L"--program")
            options.program = next();
        else if (arg == L"--bare")
            options.bare = next();
        else if (arg == L"--folder")
            options.folder = next();
        else if (arg == L"--label")
            options.label = next();
        else if (arg == L"--rounds")
            options.rounds = std::stoi(next());
        else if (arg == L"--warmup")
            options.warmup = std::stoi(next());
        else if (arg == L"--trace-rounds")
            options.traceRounds = std::stoi(next());
        else if (arg == L"--header")
            options.header = true;
        else if (arg == L"--") {
            for (++i; i < count; ++i)
                options.arguments += (options.arguments.empty() ? L"" : L" ") + std::wstring(argv[i]);
        } else
            throw std::runtime_error("unknown argument " + Narrow(arg));
    }
    LocalFree(argv);
    if (options.program.empty() || options.bare.empty() || options.folder.empty() || options.rounds < 0)
        throw std::runtime_error("usage: --program EXE --bare EXE --folder DIR [--rounds N] [--warmup N] "
                                 "[--trace-rounds N] [--label TEXT] [--header] [-- ARGUMENTS]");
    return options;
}

// The visible top-level window with the caption that belongs to the process, or nullptr.
HWND VisibleWindowOf(DWORD processId) {
    for (HWND window = FindWindowW(nullptr, Caption); window != nullptr;
         window = FindWindowExW(nullptr, window, nullptr, Caption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

struct Timing {
    double start = 0; // CreateProcess to the visible window
    double close = 0; // WM_CLOSE posted to the end of the process
    double createdAt = 0, visibleAt = 0, closeAt = 0, endedAt = 0;
};

Timing RunOnce(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Timing timing;
    timing.createdAt = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        throw std::runtime_error("could not start " + Narrow(exe));

    // Polls without a fixed pause: each look costs a round trip to the window manager and yields the core.
    const double deadline = timing.createdAt + 30000;
    HWND window = nullptr;
    while ((window = VisibleWindowOf(process.dwProcessId)) == nullptr) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            throw std::runtime_error(Narrow(exe) + " ended before showing its window");
        if (Now() > deadline) {
            TerminateProcess(process.hProcess, 2);
            throw std::runtime_error(Narrow(exe) + " showed no window within 30 s");
        }
        Sleep(1);
    }
    timing.visibleAt = Now();

    // The close starts from a dialog at rest, as a user's click does: shown, painted, waiting for input.
    WaitForInputIdle(process.hProcess, 30000);
    timing.closeAt = Now();
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 2);
        throw std::runtime_error(Narrow(exe) + " did not end within 30 s of WM_CLOSE (a message box?)");
    }
    timing.endedAt = Now();
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitCode != 0)
        throw std::runtime_error(Narrow(exe) + " ended with exit code " + std::to_string(exitCode));
    timing.start = timing.visibleAt - timing.createdAt;
    timing.close = timing.endedAt - timing.closeAt;
    return timing;
}

// One fsync of a small file in the product folder: what the close budget allows the write.
double FsyncMilliseconds(const std::wstring& folder) {
    const std::wstring path = folder + L"\\zwbench-fsync.tmp";
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 0;
        char block[4096] = {static_cast<char>(i)};
        DWORD written = 0;
        WriteFile(file, block, sizeof block, &written, nullptr);
        const double before = Now();
        FlushFileBuffers(file);
        times.push_back(Now() - before);
        CloseHandle(file);
    }
    DeleteFileW(path.c_str());
    return zwbench::Median(times);
}

void PrintRow(const char* what, const std::wstring& label, const Summary& program, const Summary& bare, double ratio,
              double difference) {
    std::printf("%-10s %-22s %7.1f %7.1f %7.1f | %7.1f %7.1f %7.1f | %6.2f %+8.1f\n", what, Narrow(label).c_str(),
                program.median, program.min, program.max, bare.median, bare.min, bare.max, ratio, difference);
}

// The median of each step of a traced run, in the order the steps first came.
class StepTable {
public:
    void Add(const std::vector<std::pair<std::string, double>>& steps) {
        for (const auto& [name, milliseconds] : steps) {
            if (steps_.find(name) == steps_.end())
                order_.push_back(name);
            steps_[name].push_back(milliseconds);
        }
    }
    void Print(const char* heading) {
        std::printf("%s\n", heading);
        for (const std::string& name : order_)
            std::printf("  %-58s %7.1f\n", name.c_str(), zwbench::Median(steps_[name]));
    }

private:
    std::vector<std::string> order_;
    std::map<std::string, std::vector<double>> steps_;
};

// Starts the program and the bare window alternately with the trace switched on, and prints the median of
// each step between two marks.
void PrintTrace(const Options& options) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"zwbench-trace.txt";
    SetEnvironmentVariableW(L"ZW_TRACE_STARTUP", file.c_str());
    StepTable program, bare;
    auto traced = [&](const std::wstring& exe, const std::wstring& arguments, StepTable& table) {
        DeleteFileW(file.c_str());
        const Timing timing = RunOnce(exe, arguments, options.folder);
        table.Add(zwbench::ReadTrace(file, timing.createdAt, timing.visibleAt, timing.closeAt, timing.endedAt));
    };
    for (int round = 0; round < options.traceRounds; ++round) {
        traced(options.program, options.arguments, program);
        traced(options.bare, L"", bare);
    }
    SetEnvironmentVariableW(L"ZW_TRACE_STARTUP", nullptr);
    DeleteFileW(file.c_str());
    const std::string label = Narrow(options.label);
    const std::string heading =
        "where the time goes, " + label + ", median of " + std::to_string(options.traceRounds) + " traced runs (ms):";
    program.Print(heading.c_str());
    bare.Print("the bare window, traced alternately with it (ms):");
}

void PrintTimes(const Options& options);

int Main() {
    const Options options = Parse();
    // Without a window manager Wine waits for one whenever a window closes, unless told not to manage
    // windows; processes started from here on read this.
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", REG_SZ, L"N", 4);

    if (options.rounds > 0)
        PrintTimes(options);
    if (options.traceRounds > 0)
        PrintTrace(options);
    std::fflush(stdout);
    return 0;
}

void PrintTimes(const Options& options) {
    for (int i = 0; i < options.warmup; ++i) {
        RunOnce(options.program, options.arguments, options.folder);
        RunOnce(options.bare, L"", options.folder);
    }
    std::vector<double> programStart, programClose, bareStart, bareClose;
    for (int i = 0; i < options.rounds; ++i) {
        // Alternating which goes first keeps a drift of the machine from favouring either.
        const bool programFirst = i % 2 == 0;
        Timing program, bare;
        if (programFirst)
            program = RunOnce(options.program, options.arguments, options.folder);
        bare = RunOnce(options.bare, L"", options.folder);
        if (!programFirst)
            program = RunOnce(options.program, options.arguments, options.folder);
        programStart.push_back(program.start);
        programClose.push_back(program.close);
        bareStart.push_back(bare.start);
        bareClose.push_back(bare.close);
    }

    if (options.header) {
        std::printf("%d rounds after %d warm-up rounds; times in ms; ratio and difference: median pair by pair\n",
                    options.rounds, options.warmup);
        std::printf("%-10s %-22s %7s %7s %7s | %7s %7s %7s | %6s %8s\n", "", "", "program", "min", "max", "bare", "min",
                    "max", "ratio", "diff");
    }
    PrintRow("start", options.label, Summarise(programStart), Summarise(bareStart),
             zwbench::MedianRatio(programStart, bareStart), zwbench::MedianDifference(programStart, bareStart));
    PrintRow("close", options.label, Summarise(programClose), Summarise(bareClose),
             zwbench::MedianRatio(programClose, bareClose), zwbench::MedianDifference(programClose, bareClose));
    std::printf("%-10s %-22s %7.1f   (one FlushFileBuffers of a 4 KB file in the product folder)\n", "fsync",
                Narrow(options.label).c_str(), FsyncMilliseconds(options.folder));
}

} // namespace

int main() {
    try {
        return Main();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ZWBenchLauncher: %s\n", error.what());
        return 1;
    }
}
