// zwsettings / ZWSettings.exe: the settings tool (docs/settings-tool.md).
#include <cstdio>
#include <optional>
#include <ostream>
#include <streambuf>
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

// Standard output or error as the tool writes it, passed on as it comes in whole lines: nothing long is
// held in memory, and a console gets each line converted whole (a line ends only between characters).
class LineWriter : public std::streambuf {
public:
    explicit LineWriter(void (*write)(const std::string&)) : write_(write) {}
    ~LineWriter() override { Pass(pending_.size()); }

protected:
    int overflow(int c) override {
        if (c == traits_type::eof())
            return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        xsputn(&ch, 1);
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<size_t>(count));
        if (pending_.size() >= 64 * 1024)
            sync();
        return count;
    }
    int sync() override {
        if (const size_t end = pending_.rfind('\n'); end != std::string::npos)
            Pass(end + 1);
        return 0;
    }

private:
    void Pass(size_t count) {
        if (count == 0)
            return;
        write_(pending_.substr(0, count));
        pending_.erase(0, count);
    }

    void (*write_)(const std::string&);
    std::string pending_;
};

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Values are raw bytes: no CR may be added before LF, none removed, and Ctrl+Z is no end of file.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    LineWriter outLines(WriteOut), errLines(WriteErr);
    std::ostream out(&outLines), err(&errLines);
    return zw::RunSettingsTool(Arguments(argc, argv), {ReadStandardInput, out, err});
}
