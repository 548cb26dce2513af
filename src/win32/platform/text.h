#pragma once
#include <string>
#include <string_view>

namespace zw::win32 {

// The program keeps its texts in UTF-8; Windows takes UTF-16 for the wide functions and the ANSI code page
// for the "A" functions that the dialog calls by name. Invalid input never throws: it comes back replaced.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

} // namespace zw::win32
