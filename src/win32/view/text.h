#pragma once
#include <string>
#include <string_view>

#include "base/strings.h"

namespace zw::view {

// The model keeps its texts in UTF-8; the windows take UTF-16 (wchar_t is 16 bits on Windows).
inline std::wstring Wide(const std::string& utf8) {
    const std::u16string utf16 = ToUtf16(utf8);
    return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Utf8(std::wstring_view wide) {
    return ToUtf8(std::u16string(wide.begin(), wide.end()));
}

} // namespace zw::view
