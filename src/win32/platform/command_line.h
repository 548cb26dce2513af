#pragma once
#include <string>
#include <string_view>

namespace zw::win32 {

// What follows the program's name in a full command line, as the run time's Command function gives it:
// the name (quoted or not) and the one blank that separates it from the arguments are dropped; every
// other blank is kept. "ZWInterfaceSetup.exe  MED " gives " MED ", which still selects MED mode (the word
// is compared trimmed), while "ZWInterfaceSetup.exe  FROM_VB" gives " FROM_VB", which is not FROM_VB.
std::wstring CommandTail(std::wstring_view commandLine);

} // namespace zw::win32
