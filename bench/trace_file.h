#pragma once
// Reading the program's start-up trace (written when ZW_TRACE_STARTUP names a file) and turning it, with the
// launcher's own moments, into named steps.
#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace zwbench {

// Steps "A -> B" between consecutive moments, in time order, and the sums ("sum: NAME"), in milliseconds.
// The launcher's moments are in milliseconds of the same QueryPerformanceCounter clock.
inline std::vector<std::pair<std::string, double>> ReadTrace(const std::wstring& file, double createdAt,
                                                             double visibleAt, double closeAt, double endedAt) {
    std::vector<std::pair<double, std::string>> moments{{createdAt, "CreateProcess"},
                                                        {visibleAt, "launcher sees the window"},
                                                        {closeAt, "WM_CLOSE posted"},
                                                        {endedAt, "process ended"}};
    std::vector<std::pair<std::string, double>> sums;
    std::ifstream in(std::string(file.begin(), file.end()));
    double msPerTick = 0;
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string name = line.substr(0, tab);
        const double ticks = std::stod(line.substr(tab + 1));
        if (name == "=frequency")
            msPerTick = 1000.0 / ticks;
        else if (!name.empty() && name[0] == '+')
            sums.emplace_back("sum: " + name.substr(1), ticks * msPerTick);
        else
            moments.emplace_back(ticks * msPerTick, name);
    }
    std::stable_sort(moments.begin(), moments.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<std::string, double>> steps;
    for (size_t i = 1; i < moments.size(); ++i)
        steps.emplace_back(moments[i - 1].second + " -> " + moments[i].second, moments[i].first - moments[i - 1].first);
    steps.insert(steps.end(), sums.begin(), sums.end());
    return steps;
}

} // namespace zwbench
