// The parts of the harness outside the program's windows: paths, folders and files, the registry, and the
// settings tool.
#include "e2e_harness.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace zw::e2e {

namespace {

std::string LastError(const std::string& what) {
    return what + " failed (error " + std::to_string(GetLastError()) + ")";
}

// Quotes one argument so that the C run time's splitting gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            quoted.append(backslashes * 2 + 1, L'\\');
        else
            quoted.append(backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(pipe, chunk, sizeof chunk, &read, nullptr) && read > 0)
        text.append(chunk, read);
    return text;
}

bool KeyExists(HKEY root, const std::wstring& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

} // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::wstring WindowsPathFromUnix(std::string_view unixPath) {
    std::wstring path = Widen(unixPath);
    // Already a Windows path (a build on Windows itself hands those over).
    if (path.size() >= 2 && path[1] == L':')
        return path;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return L"Z:" + path;
}

std::wstring PathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        throw std::runtime_error(std::string("the environment variable ") + name +
                                 " must name the file (CTest sets it; see docs/testing.md)");
    return WindowsPathFromUnix(value);
}

bool WaitUntil(const std::function<bool()>& condition, Clock::duration timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring EnvironmentBlock(const std::map<std::wstring, std::wstring>& changes) {
    std::map<std::wstring, std::wstring> variables;
    LPWCH strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring text(entry);
        // Entries such as "=C:=C:\x" (a drive's current folder) begin with the equals sign.
        const size_t equals = text.find(L'=', 1);
        if (equals == std::wstring::npos)
            continue;
        const std::wstring name = text.substr(0, equals);
        bool changed = false;
        for (const auto& change : changes)
            changed = changed || CompareStringOrdinal(change.first.c_str(), -1, name.c_str(), -1, TRUE) == CSTR_EQUAL;
        if (!changed)
            variables[name] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : changes)
        if (!value.empty())
            variables[name] = value;
    std::wstring block;
    for (const auto& [name, value] : variables)
        block += name + L"=" + value + L'\0';
    return block + L'\0';
}

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, temp) == 0)
        throw std::runtime_error(LastError("GetTempPathW"));
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(temp) + L"zw-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error(LastError("CreateDirectoryW"));
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

ToolResult RunConsoleProgram(const std::wstring& program, const std::vector<std::wstring>& arguments,
                             const std::string& input, const std::map<std::wstring, std::wstring>& environment) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE inRead = nullptr, inWrite = nullptr, outRead = nullptr, outWrite = nullptr, errRead = nullptr,
           errWrite = nullptr;
    if (!CreatePipe(&inRead, &inWrite, &inherit, 0) || !CreatePipe(&outRead, &outWrite, &inherit, 0) ||
        !CreatePipe(&errRead, &errWrite, &inherit, 0))
        throw std::runtime_error(LastError("CreatePipe"));
    Handle inReadOwner(inRead), inWriteOwner(inWrite), outReadOwner(outRead), outWriteOwner(outWrite),
        errReadOwner(errRead), errWriteOwner(errWrite);
    // Only the child's ends are inherited.
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = QuoteArgument(program);
    for (const auto& argument : arguments)
        commandLine += L" " + QuoteArgument(argument);

    const std::wstring block = environment.empty() ? std::wstring() : EnvironmentBlock(environment);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT,
                        block.empty() ? nullptr : const_cast<wchar_t*>(block.data()), nullptr, &startup, &info))
        throw std::runtime_error(LastError("CreateProcessW " + Narrow(program)));
    Handle process(info.hProcess), thread(info.hThread);
    inReadOwner.reset();
    outWriteOwner.reset();
    errWriteOwner.reset();

    std::string errText;
    std::thread errReader([&] { errText = ReadAll(errRead); });
    DWORD written = 0;
    if (!input.empty())
        ::WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    inWriteOwner.reset();
    ToolResult result;
    result.out = ReadAll(outRead);
    errReader.join();
    result.err = errText;
    if (WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0)
        throw std::runtime_error("the program " + Narrow(program) + " did not end");
    GetExitCodeProcess(process.get(), &result.exitCode);
    return result;
}

SettingsTool::SettingsTool(std::wstring database)
    : tool_(PathFromEnvironment("ZW_SETTINGS_TOOL")), database_(std::move(database)) {}

ToolResult SettingsTool::Run(const std::vector<std::wstring>& arguments, const std::string& input) {
    // The tool's password comes from ZELT_DB_PASSWORD when set; the tests always mean the product's own.
    return RunConsoleProgram(tool_, arguments, input, {{L"ZELT_DB_PASSWORD", L""}});
}

void SettingsTool::CreateDatabase() {
    const ToolResult result = Run({L"create-database", database_});
    if (result.exitCode != 0)
        throw std::runtime_error("the settings tool could not create the database: " + result.err);
}

std::optional<std::string> SettingsTool::Get(const std::string& section, const std::string& key) {
    const ToolResult result = Run({L"--database", database_, L"get", Widen(section), Widen(key)});
    if (result.exitCode != 0)
        return std::nullopt;
    return result.out;
}

void SettingsTool::Set(const std::string& section, const std::string& key, const std::string& value) {
    const ToolResult result = Run({L"--database", database_, L"set", Widen(section), Widen(key)}, value);
    if (result.exitCode != 0)
        throw std::runtime_error("the settings tool could not store " + section + "/" + key + ": " + result.err);
}

std::string SettingsTool::List() {
    const ToolResult result = Run({L"--database", database_, L"list"});
    if (result.exitCode != 0)
        throw std::runtime_error("the settings tool could not list the settings: " + result.err);
    return result.out;
}

ProductFolder::ProductFolder() {
    const std::wstring program = PathFromEnvironment("ZW_PROGRAM");
    if (!CopyFileW(program.c_str(), Program().c_str(), TRUE))
        throw std::runtime_error(LastError("copying " + Narrow(program)));
}

bool ProductFolder::HasDatabase() const {
    return GetFileAttributesW(Database().c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ProductFolder::CreateDatabase() {
    Settings().CreateDatabase();
}

RegistryValue::RegistryValue(HKEY root, std::wstring subKey, std::wstring valueName, const std::wstring& value)
    : root_(root), subKey_(std::move(subKey)), valueName_(std::move(valueName)) {
    // Remember the first missing key on the way down, so that removing it leaves the registry as it was.
    for (size_t end = 0; end != std::wstring::npos;) {
        end = subKey_.find(L'\\', end + 1);
        const std::wstring prefix = subKey_.substr(0, end);
        if (!KeyExists(root_, prefix)) {
            createdFrom_ = prefix;
            break;
        }
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(root_, subKey_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("could not create the registry key " + Narrow(subKey_));
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetValueExW(key, valueName_.empty() ? nullptr : valueName_.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("could not write the registry value under " + Narrow(subKey_));
}

RegistryValue::~RegistryValue() {
    if (!createdFrom_.empty()) {
        RegDeleteTreeW(root_, createdFrom_.c_str());
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, subKey_.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, valueName_.empty() ? nullptr : valueName_.c_str());
        RegCloseKey(key);
    }
}

ScopedFile::ScopedFile(std::wstring path, const std::optional<std::string>& content)
    : path_(std::move(path)), previous_(ReadTextFile(path_)) {
    if (content)
        WriteTextFile(path_, *content);
    else
        DeleteFileW(path_.c_str());
}

ScopedFile::~ScopedFile() {
    if (previous_)
        WriteTextFile(path_, *previous_);
    else
        DeleteFileW(path_.c_str());
}

std::wstring WindowsFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH)
        throw std::runtime_error(LastError("GetWindowsDirectoryW"));
    return folder;
}

void WriteTextFile(const std::wstring& path, const std::string& content) {
    const std::filesystem::path file(path);
    std::filesystem::create_directories(file.parent_path());
    Handle handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle.get() == INVALID_HANDLE_VALUE)
        throw std::runtime_error(LastError("writing " + Narrow(path)));
    DWORD written = 0;
    if (!::WriteFile(handle.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr))
        throw std::runtime_error(LastError("writing " + Narrow(path)));
}

std::optional<std::string> ReadTextFile(const std::wstring& path) {
    Handle handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (handle.get() == INVALID_HANDLE_VALUE)
        return std::nullopt;
    return ReadAll(handle.get());
}

void RemoveTree(const std::wstring& path) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path), ignored);
}

} // namespace zw::e2e
