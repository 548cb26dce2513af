#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "database.h"

namespace zw {

constexpr uint32_t HKEY_CLASSES_ROOT_VALUE = 0x80000000u;
constexpr uint32_t HKEY_LOCAL_MACHINE_VALUE = 0x80000002u;

// The 24-hex-digit initialisation text that the component expects.
inline constexpr const char* InitialisationText = "3F9A0C27E4B1D85C6A70F213";

// The practice-management product's environment component: initialisation, the MED mode, the product
// folder, the database password and open database, the settings store, the workstation identifier,
// field splitting, registry reading and a file-existence test. Every failing call throws RuntimeError.
class EnvironmentComponent {
public:
    virtual ~EnvironmentComponent() = default;

    // Initialisation, in the order the program makes the calls. TransformText takes its text by reference.
    virtual std::string TransformText(std::string& text) = 0;
    virtual void SetInitValue(const std::string& value) = 0;
    virtual void InitText(const std::string& text) = 0;

    virtual void SetMedMode(bool value) = 0;
    virtual bool MedMode() const = 0;
    virtual void SetCallerKind(int value) = 0;

    virtual void SetProgramFolder(const std::string& folder) = 0;
    virtual std::string ProgramFolder() const = 0;
    virtual void LoadEnvironment() = 0;
    virtual std::string DatabasePassword() const = 0;

    virtual void SetActiveDatabase(DatabaseRef database) = 0;
    virtual DatabaseRef ActiveDatabase() const = 0;

    virtual std::string StationId() = 0;
    virtual std::string ReadSetting(const std::string& section, const std::string& key, int kind,
                                    const std::string& defaultValue, int flags1, int flags2) = 0;
    virtual void WriteSetting(const std::string& section, const std::string& key, int kind, const std::string& value,
                              int flags1, int flags2) = 0;

    // Field n (from 1) of text, fields separated by the one-character delimiter; empty past the last field.
    virtual std::string GetField(const std::string& text, const std::string& delimiter, int n, int flags) = 0;

    // The registry value as text; empty when the key or the value is missing. An empty value name reads the
    // key's default value. rootKey is HKEY_LOCAL_MACHINE_VALUE or HKEY_CLASSES_ROOT_VALUE.
    virtual std::string ReadRegistryString(const std::string& subKey, const std::string& valueName,
                                           uint32_t rootKey) = 0;
    virtual bool CheckFileExists(const std::string& path) = 0;
};

// Creates the component, as creating the COM object does for the product.
class EnvironmentFactory {
public:
    virtual ~EnvironmentFactory() = default;
    virtual std::unique_ptr<EnvironmentComponent> Create() = 0;
};

} // namespace zw
