#include "strings.h"

#include "text_conversion.h"

namespace zw {

namespace {

char32_t UpperCodePoint(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    // Latin Extended-A: upper case at even code points, lower case at the odd one after it, except in
    // the stretch from U+0139 to U+0148 and from U+0179 to U+017E, where the pairs start at odd points.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return (c % 2 == 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c % 2 == 0) ? c - 1 : c;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return c - 32;
    if (c >= 0x430 && c <= 0x44F)
        return c - 32;
    if (c >= 0x450 && c <= 0x45F)
        return c - 80;
    return c;
}

} // namespace

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string UCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : CodePointsFromUtf8(text))
        AppendUtf8(out, UpperCodePoint(c));
    return out;
}

int Len(const std::string& text) {
    return static_cast<int>(ToUtf16(text).size());
}

std::string Left(const std::string& text, int length) {
    if (length <= 0)
        return {};
    const auto units = ToUtf16(text);
    return ToUtf8(units.substr(0, static_cast<size_t>(length)));
}

std::string Right(const std::string& text, int length) {
    if (length <= 0)
        return {};
    const auto units = ToUtf16(text);
    if (static_cast<size_t>(length) >= units.size())
        return text;
    return ToUtf8(units.substr(units.size() - static_cast<size_t>(length)));
}

} // namespace zw
