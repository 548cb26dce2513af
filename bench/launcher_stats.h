#pragma once
// Medians and ranges of the launcher's measurements, in milliseconds.
#include <algorithm>
#include <vector>

namespace zwbench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

inline double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline Summary Summarise(const std::vector<double>& values) {
    if (values.empty())
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {Median(values), *low, *high};
}

// The median of a / b taken pair by pair: each pair was measured in the same round, so a slow moment of
// the shared machine weighs on both.
inline double MedianRatio(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        ratios.push_back(b[i] > 0 ? a[i] / b[i] : 0);
    return Median(ratios);
}

inline double MedianDifference(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> differences;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        differences.push_back(a[i] - b[i]);
    return Median(differences);
}

} // namespace zwbench
