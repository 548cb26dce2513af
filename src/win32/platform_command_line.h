#pragma once
#include <string>
#include <string_view>

namespace zw::win32 {

// What follows the program's name in a full command line, as the run time's Command function gives it:
// the name (quoted or not) and the blanks after it are dropped; blanks at the end are kept.
// "ZWInterfaceSetup.exe  MED " gives "MED ".
std::wstring CommandTail(std::wstring_view commandLine);

} // namespace zw::win32
