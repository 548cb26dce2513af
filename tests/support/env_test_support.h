#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "base/runtime_error.h"
#include "platform/environment_component.h"

namespace zw::envtest {

// A component from the factory, initialised with the calls the dialog makes when it is created.
inline std::unique_ptr<EnvironmentComponent> InitialisedComponent(EnvironmentFactory& factory) {
    std::unique_ptr<EnvironmentComponent> component = factory.Create();
    std::string text = InitialisationText;
    component->SetInitValue(component->TransformText(text));
    component->InitText(InitialisationText);
    return component;
}

inline std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
struct TempFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zwenv-" + std::to_string(std::random_device()()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const {
        const std::u8string text = (path / PathOf(name)).u8string();
        return std::string(text.begin(), text.end());
    }
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(PathOf(path), std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The number of the RuntimeError the action throws, 0 when it throws none.
inline int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// Sets (or, with nothing, removes) an ASCII environment variable for the life of the object.
struct ScopedVariable {
    ScopedVariable(std::string variable, const std::optional<std::string>& value) : name(std::move(variable)) {
        if (const char* was = std::getenv(name.c_str()))
            old = was;
        Set(value);
    }
    ~ScopedVariable() { Set(old); }
    void Set(const std::optional<std::string>& value) const {
#ifdef _WIN32
        _putenv_s(name.c_str(), value.value_or("").c_str()); // the runtime passes it on to the system's copy
#else
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
#endif
    }
    std::string name;
    std::optional<std::string> old;
};

} // namespace zw::envtest
