#pragma once
#include <memory>
#include <string>

#include "host/registry_reader.h"
#include "platform/environment_component.h"
#include "store/sqlite_database.h"

namespace zw {

// The environment component the program runs with: the product folder, the database password, the
// settings table of the open product database, the workstation identifier, the registry and the file
// system. It works only after the initialisation handshake that the program makes on creating it.
class EnvironmentStandIn : public EnvironmentComponent {
public:
    // Without a reader it reads the system's registry (an empty one where there is none).
    explicit EnvironmentStandIn(std::shared_ptr<RegistryReader> registry = nullptr);

    std::string TransformText(std::string& text) override;
    void SetInitValue(const std::string& value) override;
    void InitText(const std::string& text) override;

    void SetMedMode(bool value) override { medMode_ = value; }
    bool MedMode() const override { return medMode_; }
    void SetCallerKind(int value) override;

    void SetProgramFolder(const std::string& folder) override { programFolder_ = folder; }
    std::string ProgramFolder() const override;
    void LoadEnvironment() override;
    std::string DatabasePassword() const override;

    void SetActiveDatabase(DatabaseRef database) override { activeDatabase_ = std::move(database); }
    DatabaseRef ActiveDatabase() const override { return activeDatabase_; }

    std::string StationId() override;
    std::string ReadSetting(const std::string& section, const std::string& key, int kind,
                            const std::string& defaultValue, int flags1, int flags2) override;
    void WriteSetting(const std::string& section, const std::string& key, int kind, const std::string& value,
                      int flags1, int flags2) override;
    std::string GetField(const std::string& text, const std::string& delimiter, int n, int flags) override;
    std::string ReadRegistryString(const std::string& subKey, const std::string& valueName, uint32_t rootKey) override;
    bool CheckFileExists(const std::string& path) override;

private:
    void RequireInitialised(const char* operation) const;
    SqliteDatabase& SettingsDatabase(int kind, int flags1, int flags2) const;

    std::shared_ptr<RegistryReader> registry_;
    bool initValueAccepted_ = false;
    bool initialised_ = false;
    bool loaded_ = false;
    bool medMode_ = false;
    std::string programFolder_;
    std::string password_;
    DatabaseRef activeDatabase_;
};

// Creates stand-in components, all sharing the registry reader given here (the system's when none).
class StandInFactory : public EnvironmentFactory {
public:
    explicit StandInFactory(std::shared_ptr<RegistryReader> registry = nullptr) : registry_(std::move(registry)) {}
    std::unique_ptr<EnvironmentComponent> Create() override;

private:
    std::shared_ptr<RegistryReader> registry_;
};

// The text TransformText gives for the initialisation text: what SetInitValue must then receive.
std::string TransformedInitialisationText(const std::string& text);

} // namespace zw
