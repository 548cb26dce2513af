#include "fake_environment.h"

#include "base/runtime_error.h"
#include "base/text_fields.h"

namespace zw::test {

void FakeDatabase::Close() {
    if (!open_)
        throw RuntimeError(dberrors::ObjectInvalid, "Object invalid or no longer set.");
    open_ = false;
}

DatabaseRef FakeDatabaseEngine::OpenDatabase(const std::string& name, bool, bool, const std::string& connect) {
    auto it = databases.find(name);
    if (it == databases.end())
        throw RuntimeError(dberrors::FileNotFound, "Could not find file '" + name + "'.");
    if (connect != ";pwd=" + it->second)
        throw RuntimeError(dberrors::InvalidPassword, "Not a valid password.");
    lastOpened = std::make_shared<FakeDatabase>(name);
    return lastOpened;
}

void FakeEnvironment::Enter(const std::string& operation) const {
    ++const_cast<FakeEnvironment*>(this)->calls[operation];
    if (failOn.count(operation) != 0)
        throw RuntimeError(componenterrors::Unspecified, "The environment component failed in " + operation);
}

std::string FakeEnvironment::ReadSetting(const std::string& section, const std::string& key, int,
                                         const std::string& defaultValue, int, int) {
    Enter("ReadSetting");
    auto it = settings.find({section, key});
    return it == settings.end() ? defaultValue : it->second;
}

void FakeEnvironment::WriteSetting(const std::string& section, const std::string& key, int, const std::string& value,
                                   int, int) {
    Enter("WriteSetting");
    settings[{section, key}] = value;
}

std::string FakeEnvironment::GetField(const std::string& text, const std::string& delimiter, int n, int) {
    Enter("GetField");
    return delimiter.size() == 1 ? FieldOf(text, delimiter[0], n) : std::string();
}

std::string FakeEnvironment::ReadRegistryString(const std::string& subKey, const std::string& valueName,
                                                uint32_t rootKey) {
    Enter("ReadRegistryString");
    auto it = registry.find({rootKey, subKey + "\\" + valueName});
    return it == registry.end() ? std::string() : it->second;
}

std::string FakeEnvironment::StoredXray() const {
    auto it = settings.find({"INTERFACE", "XRAY" + stationId});
    return it == settings.end() ? "<missing>" : it->second;
}

FakeEnvironment::~FakeEnvironment() {
    if (factory_ == nullptr)
        return;
    ++factory_->released;
    if (factory_->environment == this)
        factory_->environment = nullptr;
}

std::unique_ptr<EnvironmentComponent> FakeEnvironmentFactory::Create() {
    if (fail)
        throw RuntimeError(errors::CannotCreateObject);
    auto component = std::make_unique<FakeEnvironment>(this);
    if (prepare)
        prepare(*component);
    environment = component.get();
    return component;
}

} // namespace zw::test
