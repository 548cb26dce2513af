#pragma once
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "environment/wide_text_win32.h"
#else
#include <cstdlib>
#endif

namespace zw::envtest {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("zwenv-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of a name inside the folder, as UTF-8 text.
    std::string File(const std::string& name) const {
        const std::u8string text = (path_ / std::filesystem::path(std::u8string(name.begin(), name.end()))).u8string();
        return std::string(text.begin(), text.end());
    }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    out << bytes;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Sets (or, with nothing, removes) an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
        old_ = Get(name_);
        Set(name_, value);
    }
    ~ScopedVariable() { Set(name_, old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
#ifdef _WIN32
    static std::optional<std::string> Get(const std::string& name) {
        const std::wstring wide = host::WideFromUtf8(name);
        SetLastError(ERROR_SUCCESS);
        const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
        if (size == 0)
            return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>("");
        std::wstring value(size, L'\0');
        value.resize(GetEnvironmentVariableW(wide.c_str(), value.data(), size));
        return host::Utf8FromWide(value);
    }
    static void Set(const std::string& name, const std::optional<std::string>& value) {
        const std::wstring wide = host::WideFromUtf8(name);
        SetEnvironmentVariableW(wide.c_str(), value ? host::WideFromUtf8(*value).c_str() : nullptr);
    }
#else
    static std::optional<std::string> Get(const std::string& name) {
        const char* value = std::getenv(name.c_str());
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Set(const std::string& name, const std::optional<std::string>& value) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
#endif

    std::string name_;
    std::optional<std::string> old_;
};

} // namespace zw::envtest
