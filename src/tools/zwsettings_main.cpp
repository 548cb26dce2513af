// zwsettings / ZWSettings.exe: the settings tool (docs/settings-tool.md).
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "settings_tool.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "base/text_conversion.h"
#endif

namespace {

// Everything on standard input, byte for byte; nothing when it cannot be read (closed, or a read error).
std::optional<std::string> ReadStandardInput() {
    std::string bytes;
    char chunk[65536];
    size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, stdin)) > 0)
        bytes.append(chunk, count);
    if (std::ferror(stdin))
        return std::nullopt;
    return bytes;
}

#ifdef _WIN32
// The command line in UTF-8: the narrow arguments of main would have gone through the ANSI code page.
std::vector<std::string> Arguments(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i)
        args.push_back(zw::Utf8FromWide(words[i]));
    LocalFree(words);
    return args;
}

// A console gets UTF-16, so that every character shows whatever its code page; a file or a pipe gets the
// UTF-8 bytes unchanged.
void Write(DWORD which, const std::string& text) {
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0, done = 0;
    if (text.empty() || handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = zw::WideFromUtf8(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
    }
}
void WriteOut(const std::string& text) {
    Write(STD_OUTPUT_HANDLE, text);
}
void WriteErr(const std::string& text) {
    Write(STD_ERROR_HANDLE, text);
}
#else
std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}
void WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}
void WriteErr(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}
#endif

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Values are raw bytes: no CR may be added before LF, none removed, and Ctrl+Z is no end of file.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ostringstream out, err;
    const int code = zw::RunSettingsTool(Arguments(argc, argv), {ReadStandardInput, out, err});
    WriteOut(out.str());
    WriteErr(err.str());
    return code;
}
