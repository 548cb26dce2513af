#include "code_lists.h"

#include "choice/interface_codes.h"
#include "choice/workstation_choice.h"
#include "stations.h"

namespace zw::tool {

namespace {

std::string Listed(CodeControl control) {
    std::string list;
    for (const InterfaceCode& entry : InterfaceCodes()) {
        const bool listed = entry.control == control && !(control == CodeControl::Bridge && entry.controlIndex == 0) &&
                            !(control == CodeControl::Device && DeviceNotOffered(entry.controlIndex));
        if (listed)
            list += (list.empty() ? "" : " ") + std::string(entry.code);
    }
    return list;
}

// "  heading  CODE CODE ...", broken before a code that would pass the width, the next lines indented.
std::string Wrapped(const std::string& heading, const std::string& list) {
    constexpr size_t Width = 110;
    const std::string indent(26, ' ');
    std::string text = "  " + heading + std::string(indent.size() - 2 - heading.size(), ' ');
    size_t lineStart = 0;
    for (size_t at = 0; at < list.size();) {
        size_t end = list.find(' ', at);
        end = end == std::string::npos ? list.size() : end;
        const std::string word = list.substr(at, end - at);
        if (text.size() - lineStart + word.size() + 1 > Width) {
            text += "\n";
            lineStart = text.size();
            text += indent;
        } else if (at > 0) {
            text += " ";
        }
        text += word;
        at = end + 1;
    }
    return text + "\n";
}

} // namespace

std::string BridgeCodes() {
    return Listed(CodeControl::Bridge);
}

std::string OfferedDeviceCodes() {
    return Listed(CodeControl::Device);
}

std::string ProbeCodes() {
    std::string list;
    for (const InterfaceCode& entry : InterfaceCodes())
        if (entry.control == CodeControl::Probe && entry.controlIndex != 0)
            list += (list.empty() ? "" : ", ") + std::string(entry.code);
    return list;
}

std::string BridgeCodeProblem(const std::string& code) {
    return FindBridgeCode(code) != nullptr ? "" : "unknown bridge code " + Escaped(code);
}

std::string DeviceCodeProblem(const std::string& code, bool offeredOnly) {
    const InterfaceCode* entry = FindDeviceCode(code);
    if (entry == nullptr)
        return "unknown device code " + Escaped(code);
    if (offeredOnly && DeviceNotOffered(entry->controlIndex))
        return std::string(entry->code) + " is a device the dialog does not offer: nobody could see or clear it there";
    return "";
}

std::string CodesHelp() {
    return "codes (any case):\n" + Wrapped("bridges", BridgeCodes()) + Wrapped("devices", OfferedDeviceCodes()) +
           "  probe program           " + ProbeCodes() + "\n";
}

} // namespace zw::tool
