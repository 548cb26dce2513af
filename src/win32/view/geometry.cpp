#include "geometry.h"

#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <string>

namespace zw::view {

int TwipsToPixels(float twips, float twipsPerPixel, double scale) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel * scale));
}

float PixelsToTwips(int pixels, float twipsPerPixel, double scale) {
    return static_cast<float>(pixels * static_cast<double>(twipsPerPixel) / scale);
}

std::optional<int> DesignedControlId(std::string_view name, int index) {
    struct Range {
        std::string_view name;
        int base;
        int count; // how many indexes the range holds before it would run into the next one
    };
    static constexpr Range ranges[] = {
        {"CheckBox1", 1000, 100},    {"Text1", 1100, 100},        {"Command1", 1200, 100},   {"Label1", 1300, 100},
        {"DI_CheckBox1", 1400, 100}, {"Label2", 1500, 100},       {"Label4", 1600, 100},     {"Prob_Option1", 1700, 10},
        {"Prob_Text1", 1710, 10},    {"Prob_Command1", 1720, 10}, {"Prob_Label1", 1730, 70}, {"Picture1", 1800, 10},
    };
    static constexpr Range singles[] = {{"Picture2", 1810, 0}, {"ts", 1900, 0}, {"Label3", 1950, 0}};

    for (const Range& range : ranges)
        if (range.name == name)
            return index >= 0 && index < range.count ? std::optional<int>(range.base + index) : std::nullopt;
    for (const Range& single : singles)
        if (single.name == name)
            return index < 0 ? std::optional<int>(single.base) : std::nullopt;
    return std::nullopt;
}

wchar_t AcceleratorOf(std::wstring_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] == L'&') {
            ++i; // a literal ampersand
            continue;
        }
        return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    }
    return 0;
}

bool MatchesAccelerator(wchar_t typed, wchar_t accelerator) {
    return accelerator != 0 && static_cast<wchar_t>(std::towupper(typed)) == accelerator;
}

int FontHeight(float points, int dpi) {
    // Hundredths of a point, as MulDiv(825, dpi, 7200) does for 8.25 pt: rounded to the nearest pixel.
    const long long hundredths = std::llround(static_cast<double>(points) * 100.0);
    const long long numerator = hundredths * dpi;
    return -static_cast<int>((numerator + 3600) / 7200);
}

std::optional<int> ParseDpiOverride(const char* text) {
    if (text == nullptr || *text < '0' || *text > '9')
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 48 || value > 960)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace zw::view
