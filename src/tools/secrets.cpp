#include "secrets.h"

#include <algorithm>

#include "base/strings.h"
#include "choice/bridge_rows.h"

namespace zw::tool {

bool IsPassword(const BridgeChoice& bridge) {
    const InterfaceCode* entry = FindBridgeCode(bridge.code);
    const BridgeRow* rule = entry != nullptr ? FindBridgeRow(entry->controlIndex) : nullptr;
    return rule != nullptr && rule->field == RowField::Password;
}

std::string HiddenCommandLine(const BridgeChoice& bridge) {
    return IsPassword(bridge) && !bridge.commandLine.empty() ? HiddenPassword : bridge.commandLine;
}

std::string HiddenValue(const std::string& section, const std::string& key, const std::string& value) {
    if (section != InterfaceSection || key.rfind("XRAY", 0) != 0)
        return value;
    std::string hidden;
    size_t start = 0;
    while (start < value.size()) {
        const size_t end = std::min(value.find('\r', start), value.size());
        std::string record = value.substr(start, end - start);
        const size_t first = record.find('\n');
        if (first != std::string::npos && IsPassword({UCase(record.substr(0, first)), ""})) {
            const size_t second = std::min(record.find('\n', first + 1), record.size());
            if (second > first + 1)
                record = record.substr(0, first + 1) + HiddenPassword + record.substr(second);
        }
        hidden += record + value.substr(end, 1);
        start = end + 1;
    }
    return hidden;
}

std::optional<std::string> HiddenValue(const std::string& section, const std::string& key,
                                       const std::optional<std::string>& value) {
    return value ? std::optional(HiddenValue(section, key, *value)) : std::nullopt;
}

bool TakeShowPasswords(Arguments& args) {
    return args.Flag("--show-passwords");
}

} // namespace zw::tool
