#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace zw {

// Reads one registry value as text: texts (REG_SZ, REG_EXPAND_SZ) as stored, numbers (REG_DWORD,
// REG_QWORD) in decimal, the empty text when the key or the value is missing or the value holds anything
// else. An empty value name reads the key's default value.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual std::string ReadString(uint32_t rootKey, const std::string& subKey, const std::string& valueName) = 0;
};

// A registry held in a table: the reader of the native build, and of tests. Key paths and value names
// match without regard to case, as they do in the registry.
class TableRegistryReader : public RegistryReader {
public:
    void Set(uint32_t rootKey, const std::string& subKey, const std::string& valueName, const std::string& value);
    std::string ReadString(uint32_t rootKey, const std::string& subKey, const std::string& valueName) override;

private:
    std::map<std::tuple<uint32_t, std::string, std::string>, std::string> values_;
};

// The reader the component uses unless it is given one: the real registry on Windows (32-bit view first,
// then the 64-bit view), an empty table elsewhere.
std::unique_ptr<RegistryReader> MakeSystemRegistryReader();

} // namespace zw
