#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

namespace zw {

// 64-bit Windows keeps two registry views: 32-bit programs read and write the 32-bit one (Wow6432Node), 64-bit
// programs the 64-bit one. An installer registers its program in the view of its own bitness.
enum class RegistryView { Bits32, Bits64 };

// Reads one registry value as text: texts (REG_SZ, REG_EXPAND_SZ) as stored, numbers (REG_DWORD,
// REG_QWORD) in decimal, the empty text when the value holds anything else. An empty value name reads the
// key's default value.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    // The value in one view; nothing when the key or the value is not there.
    virtual std::optional<std::string> ReadInView(uint32_t rootKey, const std::string& subKey,
                                                  const std::string& valueName, RegistryView view) = 0;
    // The value as the dialog reads it: from the 32-bit view when it is there (even when empty), else from the
    // 64-bit view; the empty text when neither has it. Most imaging programs come with 32-bit installers.
    std::string ReadString(uint32_t rootKey, const std::string& subKey, const std::string& valueName);
};

// A registry held in a table: the reader of the native build, and of tests. Key paths and value names
// match without regard to case, as they do in the registry.
class TableRegistryReader : public RegistryReader {
public:
    // A value set without a view is in the 32-bit view.
    void Set(uint32_t rootKey, const std::string& subKey, const std::string& valueName, const std::string& value,
             RegistryView view = RegistryView::Bits32);
    std::optional<std::string> ReadInView(uint32_t rootKey, const std::string& subKey, const std::string& valueName,
                                          RegistryView view) override;

private:
    std::map<std::tuple<RegistryView, uint32_t, std::string, std::string>, std::string> values_;
};

// The reader the component uses unless it is given one: the real registry on Windows, an empty table
// elsewhere.
std::unique_ptr<RegistryReader> MakeSystemRegistryReader();

} // namespace zw
