#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/environment_component.h"

namespace zw::test {

// An open database of the fake engine.
class FakeDatabase : public Database {
public:
    explicit FakeDatabase(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const override { return name_; }
    bool IsOpen() const override { return open_; }
    void Close() override;

private:
    std::string name_;
    bool open_ = true;
};

// Databases that exist, by file name, with their passwords.
class FakeDatabaseEngine : public DatabaseEngine {
public:
    std::map<std::string, std::string> databases; // name -> password
    std::shared_ptr<FakeDatabase> lastOpened;

    DatabaseRef OpenDatabase(const std::string& name, bool exclusive, bool readOnly,
                             const std::string& connect) override;
};

class FakeEnvironmentFactory;

// The environment component with everything in memory. Every call is counted by its operation's name; an
// operation named in failOn throws.
class FakeEnvironment : public EnvironmentComponent {
public:
    explicit FakeEnvironment(FakeEnvironmentFactory* factory) : factory_(factory) {}
    ~FakeEnvironment() override;
    std::map<std::string, int> calls;
    std::set<std::string> failOn;
    std::map<std::pair<std::string, std::string>, std::string> settings; // (section, key) -> value
    std::map<std::pair<uint32_t, std::string>, std::string> registry;    // (root, subkey\valuename) -> value
    std::set<std::string> files;                                         // paths that CheckFileExists finds
    std::string stationId = "WS7";
    std::string password = "secret";
    std::string loadedFolder; // when not empty, LoadEnvironment moves ProgramFolder here

    bool medMode = false;
    std::string programFolder;
    DatabaseRef activeDatabase;

    std::string TransformText(std::string& text) override { return Enter("TransformText"), "T:" + text; }
    void SetInitValue(const std::string&) override { Enter("SetInitValue"); }
    void InitText(const std::string&) override { Enter("InitText"); }
    void SetMedMode(bool value) override {
        Enter("SetMedMode");
        medMode = value;
    }
    bool MedMode() const override { return Enter("MedMode"), medMode; }
    void SetCallerKind(int) override { Enter("SetCallerKind"); }
    void SetProgramFolder(const std::string& folder) override {
        Enter("SetProgramFolder");
        programFolder = folder;
    }
    std::string ProgramFolder() const override { return Enter("ProgramFolder"), programFolder; }
    void LoadEnvironment() override {
        Enter("LoadEnvironment");
        programFolder = loadedFolder.empty() ? programFolder : loadedFolder;
    }
    std::string DatabasePassword() const override { return Enter("DatabasePassword"), password; }
    void SetActiveDatabase(DatabaseRef database) override {
        Enter("SetActiveDatabase");
        activeDatabase = std::move(database);
    }
    DatabaseRef ActiveDatabase() const override { return Enter("ActiveDatabase"), activeDatabase; }
    std::string StationId() override { return Enter("StationId"), stationId; }
    std::string ReadSetting(const std::string& section, const std::string& key, int kind,
                            const std::string& defaultValue, int flags1, int flags2) override;
    void WriteSetting(const std::string& section, const std::string& key, int kind, const std::string& value,
                      int flags1, int flags2) override;
    std::string GetField(const std::string& text, const std::string& delimiter, int n, int flags) override;
    std::string ReadRegistryString(const std::string& subKey, const std::string& valueName, uint32_t rootKey) override;
    bool CheckFileExists(const std::string& path) override { return Enter("CheckFileExists"), files.count(path) != 0; }

    // Sets a registry value for ReadRegistryString.
    void SetRegistry(uint32_t root, const std::string& subKey, const std::string& valueName, const std::string& value) {
        registry[{root, subKey + "\\" + valueName}] = value;
    }
    // The stored X-ray value of this station, or "<missing>".
    std::string StoredXray() const;

private:
    // Counts the call and fails when the operation is in failOn.
    void Enter(const std::string& operation) const;
    FakeEnvironmentFactory* factory_ = nullptr;
};

// Hands out FakeEnvironments; the form owns each. The factory points at the last one created until it is
// released, and counts those released.
class FakeEnvironmentFactory : public EnvironmentFactory {
public:
    FakeEnvironment* environment = nullptr; // the last one created, while it lives
    int released = 0;
    bool fail = false;
    // Applied to every new component before it is handed out.
    std::function<void(FakeEnvironment&)> prepare;
    std::unique_ptr<EnvironmentComponent> Create() override;
};

} // namespace zw::test
