#include "text_conversion.h"

namespace zw {

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool HighSurrogate(char32_t c) {
    return c >= 0xD800 && c < 0xDC00;
}

bool LowSurrogate(char32_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

template <typename Unit> std::basic_string<Unit> Utf16Units(std::string_view utf8) {
    std::basic_string<Unit> out;
    out.reserve(utf8.size());
    for (char32_t c : CodePointsFromUtf8(utf8)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<Unit>(0xD800 + (c >> 10)));
            out.push_back(static_cast<Unit>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<Unit>(c));
        }
    }
    return out;
}

template <typename Unit> std::string Utf8FromUnits(std::basic_string_view<Unit> utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = static_cast<char16_t>(utf16[i]);
        const char32_t next = i + 1 < utf16.size() ? static_cast<char16_t>(utf16[i + 1]) : 0;
        if (HighSurrogate(c) && LowSurrogate(next)) {
            c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace

std::u32string CodePointsFromUtf8(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t c = b;
        if (b >= 0xF0 && b < 0xF8) {
            c = b & 0x07;
            extra = 3;
        } else if (b >= 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if (b >= 0xC0) {
            c = b & 0x1F;
            extra = 1;
        } else if (b >= 0x80) {
            c = Replacement; // a stray continuation byte
        }
        ++i;
        for (int k = 0; k < extra; ++k, ++i) {
            if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
                c = Replacement;
                break;
            }
            c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        }
        out.push_back(c);
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::u16string ToUtf16(std::string_view utf8) {
    return Utf16Units<char16_t>(utf8);
}

std::string ToUtf8(std::u16string_view utf16) {
    return Utf8FromUnits(utf16);
}

#if WCHAR_MAX <= 0xFFFF
std::wstring WideFromUtf8(std::string_view utf8) {
    return Utf16Units<wchar_t>(utf8);
}

std::string Utf8FromWide(std::wstring_view wide) {
    return Utf8FromUnits(wide);
}
#endif

} // namespace zw
