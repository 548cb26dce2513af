// zwsettings: the command-line settings tool (see docs/environment.md).
#include <iostream>
#include <string>
#include <vector>

#include "environment/settings_tool.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "environment/wide_text_win32.h"

namespace {

// The command line in UTF-8: the narrow arguments of main would have gone through the ANSI code page.
std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i)
        args.push_back(zw::host::Utf8FromWide(words[i]));
    LocalFree(words);
    return args;
}

} // namespace

int main() {
    // Values are raw bytes: no CR may be added before LF, none removed, and Ctrl+Z is no end of file.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    return zw::RunSettingsTool(Utf8Arguments(), std::cin, std::cout, std::cerr);
}

#else

int main(int argc, char** argv) {
    return zw::RunSettingsTool(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}

#endif
