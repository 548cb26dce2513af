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

void TableRegistryReader::Set(uint32_t rootKey, const std::string& subKey, const std::string& valueName,
                              const std::string& value) {
    values_[{rootKey, Folded(subKey), Folded(valueName)}] = value;
}

std::string TableRegistryReader::ReadString(uint32_t rootKey, const std::string& subKey, const std::string& valueName) {
    const auto it = values_.find({rootKey, Folded(subKey), Folded(valueName)});
    return it == values_.end() ? std::string() : it->second;
}

} // namespace zw
