#include <cctype>

#include "registry_reader.h"

namespace zw {

namespace {

std::string Folded(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::string RegistryReader::ReadString(uint32_t rootKey, const std::string& subKey, const std::string& valueName) {
    for (const RegistryView view : {RegistryView::Bits32, RegistryView::Bits64}) {
        if (auto value = ReadInView(rootKey, subKey, valueName, view))
            return *value;
    }
    return {};
}

void TableRegistryReader::Set(uint32_t rootKey, const std::string& subKey, const std::string& valueName,
                              const std::string& value, RegistryView view) {
    values_[{view, rootKey, Folded(subKey), Folded(valueName)}] = value;
}

std::optional<std::string> TableRegistryReader::ReadInView(uint32_t rootKey, const std::string& subKey,
                                                           const std::string& valueName, RegistryView view) {
    const auto it = values_.find({view, rootKey, Folded(subKey), Folded(valueName)});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

} // namespace zw
