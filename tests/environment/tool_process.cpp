#include "tool_process.h"

#include <filesystem>
#include <stdexcept>

#include "env_test_support.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zw::envtest {

#ifdef _WIN32

namespace {

// The quoting that CommandLineToArgvW undoes.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring result = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        result.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        result += c;
    }
    result.append(backslashes * 2, L'\\');
    return result + L"\"";
}

HANDLE InheritableFile(const std::string& path, bool write) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(host::WideFromUtf8(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ,
                       &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                         const std::string& workFolder) {
    TempFolder io;
    WriteFile(io.File("in"), input);
    HANDLE in = InheritableFile(io.File("in"), false);
    HANDLE out = InheritableFile(io.File("out"), true);
    HANDLE err = InheritableFile(io.File("err"), true);
    std::wstring commandLine = Quoted(host::WideFromUtf8(program));
    for (const std::string& arg : args)
        commandLine += L" " + Quoted(host::WideFromUtf8(arg));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION info{};
    const std::wstring folder = host::WideFromUtf8(workFolder);
    const BOOL started = CreateProcessW(host::WideFromUtf8(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, folder.c_str(), &startup, &info);
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
    if (!started)
        throw std::runtime_error("could not start " + program);
    WaitForSingleObject(info.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return {int(code), ReadFile(io.File("out")), ReadFile(io.File("err"))};
}

#else

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                         const std::string& workFolder) {
    TempFolder io;
    WriteFile(io.File("in"), input);
    const std::string in = io.File("in"), out = io.File("out"), err = io.File("err");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        dup2(open(in.c_str(), O_RDONLY), 0);
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        if (chdir(workFolder.c_str()) != 0)
            _exit(126);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

#endif

} // namespace zw::envtest
