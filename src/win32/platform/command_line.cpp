#include "command_line.h"

namespace zw::win32 {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

std::wstring CommandTail(std::wstring_view commandLine) {
    size_t i = 0;
    // Whoever started the process may have put blanks before the name.
    while (i < commandLine.size() && IsBlank(commandLine[i]))
        ++i;
    // The name ends at the first blank outside quotes, the way the C run time splits off the program's
    // name, so a quoted name may hold blanks.
    bool quoted = false;
    for (; i < commandLine.size(); ++i) {
        if (commandLine[i] == L'"')
            quoted = !quoted;
        else if (IsBlank(commandLine[i]) && !quoted)
            break;
    }
    // Only the one blank that separates the name from the arguments goes: a blank typed before an argument
    // is part of the command line, so " FROM_VB" stays different from "FROM_VB".
    if (i < commandLine.size())
        ++i;
    return std::wstring(commandLine.substr(i));
}

} // namespace zw::win32
