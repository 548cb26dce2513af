// Starts the real program, the bare window and (with --same) the same-windows yardstick in turn, in one Wine
// prefix (or on Windows), and measures for each: CreateProcess to its visible top-level "Interface Setup"
// window, CreateProcess to its first moment at rest (shown, painted, waiting for input), and WM_CLOSE to the
// end of the process. Prints medians, ranges and the median ratios taken round by round; with --trace-rounds
// it then starts them again with ZW_TRACE_STARTUP and prints where the time goes.
//
//   ZWBenchLauncher.exe --program EXE --bare EXE --folder DIR [--same EXE --same-list FILE] [--label TEXT]
//                       [--rounds N] [--warmup N] [--trace-rounds N] [--header] [-- PROGRAM ARGUMENTS]
// --rounds 0 leaves out the timed rounds (only the trace).
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/text_conversion.h"

#include "launcher_stats.h"
#include "trace_file.h"

namespace {

using zwbench::Summarise;
using zwbench::Summary;

const wchar_t* const Caption = L"Interface Setup";

struct Options {
    std::wstring program, bare, same, sameList, folder, label = L"standard", arguments;
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
    return zw::Utf8FromWide(text);
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
        else if (arg == L"--same")
            options.same = next();
        else if (arg == L"--same-list")
            options.sameList = next();
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
    if (options.program.empty() || options.bare.empty() || options.folder.empty() || options.rounds < 0 ||
        options.same.empty() != options.sameList.empty())
        throw std::runtime_error("usage: --program EXE --bare EXE --folder DIR [--same EXE --same-list FILE] "
                                 "[--rounds N] [--warmup N] [--trace-rounds N] [--label TEXT] [--header] "
                                 "[-- ARGUMENTS]");
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
    double paint = 0; // CreateProcess to the first moment at rest: shown and painted
    double close = 0; // WM_CLOSE posted to the end of the process
    double createdAt = 0, visibleAt = 0, closeAt = 0, endedAt = 0;
};

// awaited: a file the process writes once it is at rest; the close waits for it.
Timing RunOnce(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder,
               const std::wstring& awaited = L"") {
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
    while (!awaited.empty() && GetFileAttributesW(awaited.c_str()) == INVALID_FILE_ATTRIBUTES && Now() < deadline)
        Sleep(10);
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
    timing.paint = timing.closeAt - timing.createdAt;
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

// The programs one round starts, in the order of the columns: the program, the bare window, and the
// same-windows yardstick when there is one.
struct Contender {
    const char* name;
    std::wstring exe, arguments;
};

std::vector<Contender> Contenders(const Options& options) {
    std::vector<Contender> contenders{{"program", options.program, options.arguments}, {"bare", options.bare, L""}};
    if (!options.same.empty())
        contenders.push_back({"same windows", options.same, L"\"" + options.sameList + L"\""});
    return contenders;
}

// Starts each contender in turn with the trace switched on, and prints the median of each step between two
// marks.
void PrintTrace(const Options& options) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"zwbench-trace.txt";
    SetEnvironmentVariableW(L"ZW_TRACE_STARTUP", file.c_str());
    const std::vector<Contender> contenders = Contenders(options);
    std::vector<StepTable> tables(contenders.size());
    for (int round = 0; round < options.traceRounds; ++round) {
        for (size_t i = 0; i < contenders.size(); ++i) {
            DeleteFileW(file.c_str());
            const Timing timing = RunOnce(contenders[i].exe, contenders[i].arguments, options.folder);
            tables[i].Add(zwbench::ReadTrace(file, timing.createdAt, timing.visibleAt, timing.closeAt, timing.endedAt));
        }
    }
    SetEnvironmentVariableW(L"ZW_TRACE_STARTUP", nullptr);
    DeleteFileW(file.c_str());
    const std::string label = Narrow(options.label);
    for (size_t i = 0; i < contenders.size(); ++i) {
        const std::string heading = std::string(contenders[i].name) + ", " + label + ", median of " +
                                    std::to_string(options.traceRounds) + " traced runs, in turn with the others (ms):";
        tables[i].Print(heading.c_str());
    }
}

void PrintTimes(const Options& options);

// The yardstick's list of windows, written by the program itself (started as it is measured) when it is
// first at rest, so that the yardstick makes exactly this run's windows.
void WriteSameList(const Options& options) {
    DeleteFileW(options.sameList.c_str());
    SetEnvironmentVariableW(L"ZW_WINDOW_LIST", options.sameList.c_str());
    RunOnce(options.program, options.arguments, options.folder, options.sameList);
    SetEnvironmentVariableW(L"ZW_WINDOW_LIST", nullptr);
    if (GetFileAttributesW(options.sameList.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw std::runtime_error("the program wrote no list of its windows to " + Narrow(options.sameList));
}

int Main() {
    const Options options = Parse();
    // Without a window manager Wine waits for one whenever a window closes, unless told not to manage
    // windows; processes started from here on read this.
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", REG_SZ, L"N", 4);

    if (!options.same.empty())
        WriteSameList(options);
    if (options.rounds > 0)
        PrintTimes(options);
    if (options.traceRounds > 0)
        PrintTrace(options);
    std::fflush(stdout);
    return 0;
}

void PrintTimes(const Options& options) {
    const std::vector<Contender> contenders = Contenders(options);
    const size_t count = contenders.size();
    for (int i = 0; i < options.warmup; ++i)
        for (const Contender& contender : contenders)
            RunOnce(contender.exe, contender.arguments, options.folder);
    // times[measure][contender][round]; measure 0 start, 1 paint, 2 close.
    std::vector<std::vector<std::vector<double>>> times(3, std::vector<std::vector<double>>(count));
    for (int round = 0; round < options.rounds; ++round) {
        // Turning which goes first keeps a drift of the machine from favouring any of them.
        for (size_t k = 0; k < count; ++k) {
            const size_t i = (static_cast<size_t>(round) + k) % count;
            const Timing timing = RunOnce(contenders[i].exe, contenders[i].arguments, options.folder);
            times[0][i].push_back(timing.start);
            times[1][i].push_back(timing.paint);
            times[2][i].push_back(timing.close);
        }
    }

    if (options.header) {
        std::printf("%d rounds after %d warm-up rounds; times in ms (median, min-max); ratios: median of the "
                    "rounds' ratios\n",
                    options.rounds, options.warmup);
        std::printf("start: to the visible window; paint: to the first moment at rest (shown and painted); "
                    "close: WM_CLOSE to the end\n");
        std::printf("%-6s %-21s %-19s %-19s %-19s| %9s %9s %9s\n", "", "", "program", "bare", "same windows",
                    "prog/bare", "prog/same", "same/bare");
    }
    const char* measures[] = {"start", "paint", "close"};
    for (size_t measure = 0; measure < 3; ++measure) {
        std::printf("%-6s %-21s", measures[measure], Narrow(options.label).c_str());
        for (size_t i = 0; i < 3; ++i) {
            if (i < count) {
                const Summary summary = Summarise(times[measure][i]);
                std::printf(" %6.1f (%4.0f-%4.0f) ", summary.median, summary.min, summary.max);
            } else {
                std::printf(" %-18s", "-");
            }
        }
        const auto& t = times[measure];
        std::printf("| %9.2f", zwbench::MedianRatio(t[0], t[1]));
        if (count > 2)
            std::printf(" %9.2f %9.2f", zwbench::MedianRatio(t[0], t[2]), zwbench::MedianRatio(t[2], t[1]));
        if (measure == 2)
            std::printf("   program - bare %+.1f", zwbench::MedianDifference(t[0], t[1]));
        std::printf("\n");
    }
    std::printf("%-6s %-21s %6.1f   (one FlushFileBuffers of a 4 KB file in the product folder)\n", "fsync",
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
