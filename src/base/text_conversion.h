#pragma once
#include <cwchar>
#include <string>
#include <string_view>

// The one conversion between the UTF-8 texts the program keeps and the UTF-16 texts of the run time's
// strings and of Windows. A byte that does not belong to a UTF-8 sequence becomes U+FFFD; a lone
// surrogate is carried through unchanged both ways, so that any UTF-16 text comes back as it went in.
namespace zw {

std::u32string CodePointsFromUtf8(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t codePoint);

std::u16string ToUtf16(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

#if WCHAR_MAX <= 0xFFFF
// Where wchar_t is 16 bits (Windows), the same for the wide strings of the Win32 API.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
#endif

} // namespace zw
