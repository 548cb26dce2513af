#include "environment_stand_in.h"

#include <filesystem>
#include <system_error>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "base/text_fields.h"
#include "host/environment_overrides.h"
#include "host/host_system.h"
#include "store/settings_store.h"

namespace zw {

namespace {

#ifdef _WIN32
constexpr char NativeSeparator = '\\';
#else
constexpr char NativeSeparator = '/';
#endif

// The one kind of setting this component keeps: the shared per-database store.
constexpr int SharedStoreKind = 2;

bool IsHexText(const std::string& text) {
    if (text.size() != 24)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

[[noreturn]] void InvalidArgument(const std::string& what) {
    throw RuntimeError(errors::InvalidProcedureCall, "Invalid procedure call or argument: " + what);
}

} // namespace

std::string TransformedInitialisationText(const std::string& text) {
    // A fixed mixing of the text (FNV-1a, three lanes of 32 bits): a handshake that shows both sides were
    // built for each other, not a secret.
    static const char digits[] = "0123456789ABCDEF";
    std::string result;
    for (uint32_t lane = 0; lane < 3; ++lane) {
        uint32_t hash = 2166136261u ^ (lane * 0x9E3779B9u);
        for (const char c : "ZELT environment:" + text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        for (int shift = 28; shift >= 0; shift -= 4)
            result += digits[(hash >> shift) & 0x0f];
    }
    return result;
}

EnvironmentStandIn::EnvironmentStandIn(std::shared_ptr<RegistryReader> registry)
    : registry_(registry ? std::move(registry) : std::shared_ptr<RegistryReader>(MakeSystemRegistryReader())) {}

std::string EnvironmentStandIn::TransformText(std::string& text) {
    if (!IsHexText(text))
        InvalidArgument("the initialisation text must be 24 hexadecimal digits.");
    return TransformedInitialisationText(text);
}

void EnvironmentStandIn::SetInitValue(const std::string& value) {
    if (value != TransformedInitialisationText(InitialisationText))
        throw RuntimeError(componenterrors::NotInitialised,
                           "The environment component refused the initialisation value.");
    initValueAccepted_ = true;
}

void EnvironmentStandIn::InitText(const std::string& text) {
    if (!initValueAccepted_ || text != InitialisationText)
        throw RuntimeError(componenterrors::NotInitialised,
                           "The environment component refused the initialisation text.");
    initialised_ = true;
}

void EnvironmentStandIn::RequireInitialised(const char* operation) const {
    if (!initialised_)
        throw RuntimeError(componenterrors::NotInitialised,
                           std::string("The environment component is not initialised (") + operation + ").");
}

void EnvironmentStandIn::SetCallerKind(int value) {
    // The setup program is the only caller this component serves.
    if (value != 1)
        InvalidArgument("unknown caller kind " + std::to_string(value) + ".");
}

std::string EnvironmentStandIn::ProgramFolder() const {
    if (programFolder_.empty())
        return programFolder_;
    const char last = programFolder_.back();
    if (last == '\\' || last == '/')
        return programFolder_;
    return programFolder_ + NativeSeparator;
}

void EnvironmentStandIn::LoadEnvironment() {
    RequireInitialised("LoadEnvironment");
    if (programFolder_.empty()) {
        const std::u8string current = std::filesystem::current_path().u8string();
        programFolder_.assign(current.begin(), current.end());
    }
    password_ = ProductDatabasePassword();
    loaded_ = true;
}

std::string EnvironmentStandIn::DatabasePassword() const {
    if (!loaded_)
        throw RuntimeError(componenterrors::EnvironmentNotLoaded,
                           "The environment is not loaded: the database password is not known yet.");
    return password_;
}

std::string EnvironmentStandIn::StationId() {
    return StationIdentifier();
}

SqliteDatabase& EnvironmentStandIn::SettingsDatabase(int kind, int flags1, int flags2) const {
    if (kind != SharedStoreKind)
        InvalidArgument("unknown setting kind " + std::to_string(kind) + ".");
    if (flags1 != 0 || flags2 != 0)
        InvalidArgument("unknown setting options.");
    if (!activeDatabase_)
        throw RuntimeError(errors::ObjectVariableNotSet,
                           "Object variable or With block variable not set: the environment has no active database.");
    auto* database = dynamic_cast<SqliteDatabase*>(activeDatabase_.get());
    if (database == nullptr)
        throw RuntimeError(errors::TypeMismatch, "Type mismatch: the active database is not a product database.");
    return *database;
}

std::string EnvironmentStandIn::ReadSetting(const std::string& section, const std::string& key, int kind,
                                            const std::string& defaultValue, int flags1, int flags2) {
    RequireInitialised("ReadSetting");
    SqliteDatabase& database = SettingsDatabase(kind, flags1, flags2);
    return ReadStoredSetting(database, section, key).value_or(defaultValue);
}

void EnvironmentStandIn::WriteSetting(const std::string& section, const std::string& key, int kind,
                                      const std::string& value, int flags1, int flags2) {
    RequireInitialised("WriteSetting");
    SqliteDatabase& database = SettingsDatabase(kind, flags1, flags2);
    WriteStoredSetting(database, section, key, value, "ZWInterfaceSetup");
}

std::string EnvironmentStandIn::GetField(const std::string& text, const std::string& delimiter, int n, int flags) {
    if (delimiter.size() != 1)
        InvalidArgument("the field delimiter must be one character.");
    if (flags != 0)
        InvalidArgument("unknown field options.");
    return FieldOf(text, delimiter[0], n);
}

std::string EnvironmentStandIn::ReadRegistryString(const std::string& subKey, const std::string& valueName,
                                                   uint32_t rootKey) {
    if (rootKey != HKEY_LOCAL_MACHINE_VALUE && rootKey != HKEY_CLASSES_ROOT_VALUE)
        InvalidArgument("only HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT can be read.");
    return registry_->ReadString(rootKey, subKey, valueName);
}

bool EnvironmentStandIn::CheckFileExists(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code ignored;
    return std::filesystem::is_regular_file(host::PathFromUtf8(path), ignored);
}

std::unique_ptr<EnvironmentComponent> StandInFactory::Create() {
    return std::make_unique<EnvironmentStandIn>(registry_);
}

} // namespace zw
