// zw_reliability: shows, with real processes of the settings tool, that the product database loses and
// tears nothing under contention and after kill -9 at random moments. Native (POSIX) only.
//
//   zw_reliability TOOL FOLDER contention WRITERS SETS READERS
//   zw_reliability TOOL FOLDER kill-writer TRIES MAX_VALUE_BYTES
//   zw_reliability TOOL FOLDER kill-create TRIES
//   zw_reliability TOOL FOLDER kill-rekey TRIES
//   zw_reliability TOOL FOLDER rekey-contention WRITERS SETS
//
// Prints the figures and exits 0 when every check held, 1 otherwise.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "store/settings_store.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

std::string tool;
fs::path folder;
std::mutex reportMutex;
int problems = 0;
std::vector<std::string> failureTexts;

void Problem(const std::string& text) {
    std::lock_guard lock(reportMutex);
    ++problems;
    if (problems <= 20)
        std::cerr << "PROBLEM: " << text << "\n";
}

struct Result {
    int status = -1; // exit code, or -signal
    std::string out;
    std::string err;
    double milliseconds = 0;
};

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Starts the tool with its standard streams on files; input is written to a file first.
pid_t Start(const std::vector<std::string>& args, const fs::path& in, const fs::path& out, const fs::path& err) {
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(in.c_str(), "rb", stdin) || !freopen(out.c_str(), "wb", stdout) ||
            !freopen(err.c_str(), "wb", stderr))
            _exit(126);
        std::vector<char*> argv{const_cast<char*>(tool.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(tool.c_str(), argv.data());
        _exit(127);
    }
    return child;
}

int Wait(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Runs the tool to its end. tag keeps the stream files of concurrent runs apart.
Result Run(const std::vector<std::string>& args, const std::string& input, const std::string& tag) {
    const fs::path in = folder / (tag + ".in"), out = folder / (tag + ".out"), err = folder / (tag + ".err");
    std::ofstream(in, std::ios::binary) << input;
    const auto start = Clock::now();
    Result result;
    result.status = Wait(Start(args, in, out, err));
    result.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    return result;
}

// A failure the tool documents: a database error with its number.
bool Documented(const Result& result) {
    return result.status == 3 && result.err.find("(error 3") != std::string::npos;
}

// A value that tells whether it came back whole: its length and a checksum of its body lead it.
std::string MakeValue(const std::string& label, size_t size, std::mt19937& random) {
    std::string body(size, '\0');
    for (char& c : body)
        c = char('a' + random() % 26);
    uint32_t sum = 0;
    for (const char c : label + body)
        sum = sum * 31 + uint8_t(c);
    return label + "|" + std::to_string(body.size()) + "|" + std::to_string(sum) + "|" + body;
}

bool Whole(const std::string& value) {
    const size_t first = value.find('|'), second = value.find('|', first + 1), third = value.find('|', second + 1);
    if (first == std::string::npos || second == std::string::npos || third == std::string::npos)
        return false;
    const std::string label = value.substr(0, first), body = value.substr(third + 1);
    uint32_t sum = 0;
    for (const char c : label + body)
        sum = sum * 31 + uint8_t(c);
    return value.substr(first + 1, second - first - 1) == std::to_string(body.size()) &&
           value.substr(second + 1, third - second - 1) == std::to_string(sum);
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

std::vector<std::string> Db(const fs::path& database, std::vector<std::string> words) {
    words.insert(words.begin(), {"--database", database.string()});
    return words;
}

void CheckIntegrity(const fs::path& database, const std::string& when) {
    const Result check = Run(Db(database, {"check"}), "", "check");
    if (check.status != 0 || check.out != "ok\n")
        Problem("integrity check " + when + ": " + check.out + check.err);
}

int Contention(int writers, int sets, int readers) {
    const fs::path database = folder / "CONTENTION.MDB";
    fs::remove(database);
    if (Run({"create-database", database.string()}, "", "create").status != 0)
        Problem("create-database failed");
    const int sharedWriters = std::max(1, writers / 4);
    std::vector<std::vector<double>> latencies(writers);
    std::vector<std::vector<std::string>> lastWritten(writers);
    std::atomic<int> failures{0}, undocumented{0}, reads{0};
    std::atomic<bool> writing{true};
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w)
        threads.emplace_back([&, w] {
            std::mt19937 random(w);
            const bool shared = w >= writers - sharedWriters;
            const std::string key = shared ? "XRAYSHARED" : "XRAYWS" + std::to_string(w);
            for (int i = 0; i < sets; ++i) {
                const std::string value =
                    MakeValue("W" + std::to_string(w) + "-" + std::to_string(i), 64 + random() % 2048, random);
                const Result result = Run(Db(database, {"set", "INTERFACE", key}), value, "w" + std::to_string(w));
                latencies[w].push_back(result.milliseconds);
                if (result.status == 0) {
                    lastWritten[w].push_back(value);
                } else {
                    ++failures;
                    std::lock_guard lock(reportMutex);
                    if (failureTexts.size() < 5)
                        failureTexts.push_back(result.err);
                    if (!Documented(result))
                        ++undocumented, ++problems;
                }
            }
        });
    for (int r = 0; r < readers; ++r)
        threads.emplace_back([&, r] {
            while (writing) {
                const Result result =
                    Run(Db(database, {"get", "INTERFACE", "XRAYSHARED"}), "", "r" + std::to_string(r));
                ++reads;
                if (result.status == 0 && !Whole(result.out))
                    Problem("a reader saw a torn value");
                else if (result.status != 0 && result.status != 1 && !Documented(result)) // 1: not stored yet
                    Problem("get failed without a documented error: " + result.err);
            }
        });
    for (int w = 0; w < writers; ++w)
        threads[w].join();
    writing = false;
    for (size_t t = writers; t < threads.size(); ++t)
        threads[t].join();

    // Lost: a key whose stored value is not the last one its writer stored successfully.
    int lost = 0;
    std::vector<std::string> sharedLast;
    for (int w = 0; w < writers; ++w) {
        const bool shared = w >= writers - sharedWriters;
        if (lastWritten[w].empty())
            continue;
        if (shared) {
            sharedLast.push_back(lastWritten[w].back());
            continue;
        }
        const Result got = Run(Db(database, {"get", "INTERFACE", "XRAYWS" + std::to_string(w)}), "", "final");
        lost += got.out != lastWritten[w].back();
    }
    const Result shared = Run(Db(database, {"get", "INTERFACE", "XRAYSHARED"}), "", "final");
    if (!sharedLast.empty() && std::find(sharedLast.begin(), sharedLast.end(), shared.out) == sharedLast.end())
        ++lost;
    if (lost > 0)
        Problem(std::to_string(lost) + " keys lost their last write");
    // Every successful set left exactly one history row.
    const std::string history = Run(Db(database, {"history", "--format", "json"}), "", "history").out;
    auto rowsOf = [&](const std::string& key) {
        int count = 0;
        for (size_t at = history.find("\"key\": \"" + key + "\""); at != std::string::npos;
             at = history.find("\"key\": \"" + key + "\"", at + 1))
            ++count;
        return count;
    };
    // ... of which each write keeps the newest HistoryRowsKept of its setting.
    auto kept = [](int sets) { return int(std::min<int64_t>(sets, zw::HistoryRowsKept)); };
    int sharedSets = 0, missingRows = 0;
    for (int w = 0; w < writers; ++w) {
        if (w >= writers - sharedWriters)
            sharedSets += int(lastWritten[w].size());
        else
            missingRows += std::abs(rowsOf("XRAYWS" + std::to_string(w)) - kept(int(lastWritten[w].size())));
    }
    missingRows += std::abs(rowsOf("XRAYSHARED") - kept(sharedSets));
    if (missingRows > 0)
        Problem(std::to_string(missingRows) + " history rows missing or extra");
    CheckIntegrity(database, "after contention");

    std::vector<double> all;
    for (const auto& list : latencies)
        all.insert(all.end(), list.begin(), list.end());
    std::printf("contention: %d writers x %d sets (%d on one shared key), %d readers (%d reads)\n", writers, sets,
                sharedWriters, readers, reads.load());
    std::printf("  failed sets: %d (undocumented: %d), lost: %d, history rows missing or extra: %d\n", failures.load(),
                undocumented.load(), lost, missingRows);
    for (const std::string& text : failureTexts)
        std::printf("  failure: %s", text.c_str());
    std::printf("  set latency ms: median %.1f, p99 %.1f, max %.1f\n", Percentile(all, 0.5), Percentile(all, 0.99),
                Percentile(all, 1.0));
    return lost;
}

int KillWriter(int tries, size_t maxBytes) {
    const fs::path database = folder / "KILLED.MDB";
    fs::remove(database);
    Run({"create-database", database.string()}, "", "create");
    std::mt19937 random(42);
    std::string current = MakeValue("initial", 100, random);
    Run(Db(database, {"set", "INTERFACE", "XRAYWS1"}), current, "set");
    // Kills land anywhere from the start to the end of an uninterrupted set of the largest value.
    const Result whole =
        Run(Db(database, {"set", "INTERFACE", "XRAYWS0"}), MakeValue("whole", maxBytes, random), "set");
    const auto span = std::max<long>(1000, long(whole.milliseconds * 1000));
    int completed = 0, killed = 0;
    for (int i = 0; i < tries; ++i) {
        const std::string next = MakeValue("try" + std::to_string(i), 1 + random() % maxBytes, random);
        const fs::path in = folder / "kill.in";
        std::ofstream(in, std::ios::binary) << next;
        const pid_t child =
            Start(Db(database, {"set", "INTERFACE", "XRAYWS1"}), in, folder / "kill.out", folder / "kill.err");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % span));
        kill(child, SIGKILL);
        const int status = Wait(child);
        status == 0 ? ++completed : ++killed;
        const Result got = Run(Db(database, {"get", "INTERFACE", "XRAYWS1"}), "", "get");
        if (got.status != 0)
            Problem("get after a killed set failed: " + got.err);
        else if (got.out == next)
            current = next;
        else if (got.out != current)
            Problem("after a killed set the value is neither the old nor the new one");
        CheckIntegrity(database, "after a killed set");
    }
    std::printf("kill-writer: %d tries (values up to %zu bytes, kills within %.0f ms): %d killed, %d finished first\n",
                tries, maxBytes, whole.milliseconds, killed, completed);
    return 0;
}

int KillCreate(int tries) {
    std::mt19937 random(7);
    int absent = 0, complete = 0;
    const fs::path database = folder / "CREATED.MDB";
    for (int i = 0; i < tries; ++i) {
        fs::remove(database);
        const pid_t child =
            Start({"create-database", database.string()}, "/dev/null", folder / "c.out", folder / "c.err");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
        kill(child, SIGKILL);
        Wait(child);
        if (!fs::exists(database)) {
            ++absent;
            if (Run({"create-database", database.string()}, "", "again").status != 0)
                Problem("create-database after a killed one failed");
        } else {
            ++complete;
        }
        const Result list = Run(Db(database, {"list"}), "", "list");
        if (list.status != 0 || !list.out.empty())
            Problem("the database after a killed create-database is not a whole, empty one: " + list.err);
        CheckIntegrity(database, "after a killed create-database");
        // The next create removes what killed builders left beside the path.
        fs::remove(database);
        Run({"create-database", database.string()}, "", "again");
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string().starts_with("CREATED.MDB.new-"))
                Problem("a half-made file stayed behind: " + entry.path().string());
    }
    std::printf("kill-create: %d tries: %d left nothing, %d left a whole database\n", tries, absent, complete);
    return 0;
}

// Whether the database opens (a list runs) with the password.
bool OpensWith(const fs::path& database, const std::string& password) {
    return Run(Db(database, {"--password", password, "list"}), "", "opens").status == 0;
}

// kill -9 of change-password at random moments: every time exactly one of the two passwords opens the file,
// and every value is still there.
int KillRekey(int tries) {
    const fs::path database = folder / "REKEYED.MDB";
    fs::remove(database);
    const std::string passwords[2] = {"Practice#A", "Practice#B"};
    Run({"--password", passwords[0], "create-database", database.string()}, "", "create");
    std::mt19937 random(11);
    const std::string value = MakeValue("kept", 200000, random);
    Run(Db(database, {"--password", passwords[0], "set", "INTERFACE", "XRAYWS1"}), value, "set");
    const Result whole = Run(Db(database, {"--password", passwords[0], "change-password", passwords[1]}), "", "whole");
    int current = whole.status == 0 ? 1 : 0, changed = 0, kept = 0;
    // The re-key commits at its very end: kills reach past an uninterrupted run's time, so some land after.
    const auto span = std::max<long>(1000, long(whole.milliseconds * 1500));
    for (int i = 0; i < tries; ++i) {
        const pid_t child =
            Start(Db(database, {"--password", passwords[current], "change-password", passwords[1 - current]}),
                  "/dev/null", folder / "k.out", folder / "k.err");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % span));
        kill(child, SIGKILL);
        Wait(child);
        const bool oldOpens = OpensWith(database, passwords[current]);
        const bool newOpens = OpensWith(database, passwords[1 - current]);
        if (oldOpens == newOpens) {
            Problem("after a killed change-password " + std::string(oldOpens ? "both" : "neither") +
                    " password opens the database");
            continue;
        }
        if (newOpens)
            current = 1 - current, ++changed;
        else
            ++kept;
        const Result got =
            Run(Db(database, {"--password", passwords[current], "get", "INTERFACE", "XRAYWS1"}), "", "get");
        if (got.out != value)
            Problem("after a killed change-password the value is not the one stored");
        const Result check = Run(Db(database, {"--password", passwords[current], "check"}), "", "check");
        if (check.status != 0 || check.out != "ok\n")
            Problem("integrity check after a killed change-password: " + check.out + check.err);
    }
    // A killed re-key may leave its unfinished new file; the next one removes it, its process being gone.
    if (Run(Db(database, {"--password", passwords[current], "change-password", passwords[1 - current]}), "", "last")
            .status != 0)
        Problem("a change-password after the killed ones failed");
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with("REKEYED.MDB") && entry.path() != database)
            Problem("a file stayed beside the database: " + entry.path().string());
    std::printf("kill-rekey: %d tries (kills within %.0f ms): %d left the old password, %d the new one\n", tries,
                whole.milliseconds, kept, changed);
    return 0;
}

// Writers keep setting values while the password is changed back and forth. A write waits for the re-key;
// then it goes on, or fails saying the password was changed (3031), or waited too long (3218). Nothing
// that was stored is lost and no other failure appears.
int RekeyContention(int writers, int sets) {
    const fs::path database = folder / "REKEYING.MDB";
    fs::remove(database);
    const std::string passwords[2] = {"ZeltWin#Db1", "Other#Pw2"};
    Run({"create-database", database.string()}, "", "create");
    std::vector<std::string> lastWritten(writers);
    std::atomic<int> succeeded{0}, changedMessages{0}, busy{0}, rekeys{0};
    std::atomic<bool> writing{true};
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w)
        threads.emplace_back([&, w] {
            std::mt19937 random(w + 100);
            for (int i = 0; i < sets; ++i) {
                const std::string value = MakeValue("R" + std::to_string(w) + "-" + std::to_string(i), 64, random);
                const Result result =
                    Run(Db(database, {"--password", passwords[0], "set", "INTERFACE", "XRAYWS" + std::to_string(w)}),
                        value, "rw" + std::to_string(w));
                if (result.status == 0) {
                    lastWritten[w] = value, ++succeeded;
                } else if (result.err.find("(error 3031)") != std::string::npos &&
                           (result.err.find("was changed") != std::string::npos ||
                            result.err.find("Not a valid password") != std::string::npos)) {
                    ++changedMessages;
                } else if (result.err.find("(error 3218)") != std::string::npos) {
                    ++busy;
                } else {
                    Problem("a set during a re-key failed otherwise: " + result.err);
                }
            }
        });
    threads.emplace_back([&] {
        for (int current = 0; writing; current = 1 - current) {
            const Result result =
                Run(Db(database, {"--password", passwords[current], "change-password", passwords[1 - current]}), "",
                    "rekey");
            if (result.status != 0) {
                if (result.err.find("(error 3218)") == std::string::npos)
                    Problem("change-password failed: " + result.err);
                current = 1 - current; // the password stayed
            } else {
                ++rekeys;
            }
        }
    });
    for (int w = 0; w < writers; ++w)
        threads[w].join();
    writing = false;
    threads.back().join();
    const std::string password = OpensWith(database, passwords[0]) ? passwords[0] : passwords[1];
    int lost = 0;
    for (int w = 0; w < writers; ++w)
        if (!lastWritten[w].empty())
            lost += Run(Db(database, {"--password", password, "get", "INTERFACE", "XRAYWS" + std::to_string(w)}), "",
                        "final")
                        .out != lastWritten[w];
    if (lost > 0)
        Problem(std::to_string(lost) + " keys lost their last write during re-keys");
    const Result check = Run(Db(database, {"--password", password, "check"}), "", "check");
    if (check.status != 0 || check.out != "ok\n")
        Problem("integrity check after re-keys: " + check.out + check.err);
    std::printf("rekey-contention: %d writers x %d sets during %d re-keys: %d stored, %d refused as the password "
                "was changed, %d timed out, lost: %d\n",
                writers, sets, rekeys.load(), succeeded.load(), changedMessages.load(), busy.load(), lost);
    return lost;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: zw_reliability TOOL FOLDER contention WRITERS SETS READERS | kill-writer TRIES "
                     "MAX_BYTES | kill-create TRIES | kill-rekey TRIES | rekey-contention WRITERS SETS\n";
        return 2;
    }
    tool = fs::absolute(argv[1]).string();
    folder = argv[2];
    fs::create_directories(folder);
    const std::string mode = argv[3];
    auto number = [&](int i, long fallback) { return argc > i ? std::atol(argv[i]) : fallback; };
    if (mode == "contention")
        Contention(int(number(4, 20)), int(number(5, 100)), int(number(6, 4)));
    else if (mode == "kill-writer")
        KillWriter(int(number(4, 100)), size_t(number(5, 8 << 20)));
    else if (mode == "kill-create")
        KillCreate(int(number(4, 100)));
    else if (mode == "kill-rekey")
        KillRekey(int(number(4, 100)));
    else if (mode == "rekey-contention")
        RekeyContention(int(number(4, 6)), int(number(5, 15)));
    else
        return 2;
    std::printf("%s: %d problems\n", mode.c_str(), problems);
    return problems == 0 ? 0 : 1;
}
