#pragma once
#include <string>
#include <string_view>

namespace zw::win32 {

// The texts the dialog hands to the "A" functions it calls by name, in the ANSI code page, and back to
// the program's UTF-8. A character the code page lacks never throws: it comes back replaced.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

} // namespace zw::win32
