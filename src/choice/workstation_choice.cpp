#include "workstation_choice.h"

#include <algorithm>

#include "base/strings.h"

namespace zw {

namespace {

bool IsBridge(const InterfaceCode& entry) {
    return entry.control == CodeControl::Bridge && entry.controlIndex > 0;
}

int RowOf(const BridgeChoice& bridge) {
    const InterfaceCode* entry = FindXrayCode(bridge.code);
    return entry != nullptr ? entry->controlIndex : 0;
}

int WritePosition(const std::string& device) {
    const InterfaceCode* entry = FindXrayCode(device);
    const auto* end = std::end(DeviceWriteOrder);
    return static_cast<int>(std::find(std::begin(DeviceWriteOrder), end, entry ? entry->controlIndex : 0) -
                            std::begin(DeviceWriteOrder));
}

} // namespace

namespace {

// Hands each record of a stored X-ray value, as the dialog splits it, to take: its code as compared (upper
// case), the table's entry or nullptr, and its second field.
void ForEachXrayRecord(const std::string& stored, const FieldReader& field,
                       const std::function<void(const std::string&, const InterfaceCode*, std::string)>& take) {
    const std::string value = stored + CR;
    for (int n = 1;; ++n) {
        const std::string record = field(value, CR[0], n);
        if (record.empty())
            break;
        const std::string code = UCase(field(record, LF[0], 1));
        take(code, FindXrayCode(code), field(record, LF[0], 2));
    }
}

} // namespace

std::vector<XrayRecord> ReadXrayRecords(const std::string& stored, const FieldReader& field) {
    std::vector<XrayRecord> records;
    ForEachXrayRecord(stored, field, [&](const std::string&, const InterfaceCode* entry, std::string field2) {
        if (entry != nullptr)
            records.push_back({entry, std::move(field2)});
    });
    return records;
}

std::vector<std::string> UnknownXrayCodes(const std::string& stored, const FieldReader& field) {
    std::vector<std::string> unknown;
    ForEachXrayRecord(stored, field, [&](const std::string& code, const InterfaceCode* entry, const std::string&) {
        if (entry == nullptr)
            unknown.push_back(code);
    });
    return unknown;
}

ProbeChoice ReadProbe(const std::string& stored, const FieldReader& field) {
    if (UCase(field(stored, LF[0], 1)) == FloridaProbeCode)
        return {FloridaProbeCode, field(stored, LF[0], 2)};
    return {};
}

WorkstationChoice DecodeChoice(const std::optional<std::string>& xray, const std::optional<std::string>& probe,
                               const FieldReader& field) {
    WorkstationChoice choice;
    for (const XrayRecord& record : ReadXrayRecords(xray.value_or(DefaultSettingValue), field)) {
        const InterfaceCode& entry = *record.entry;
        if (entry.control == CodeControl::Device) {
            if (std::find(choice.devices.begin(), choice.devices.end(), entry.code) == choice.devices.end())
                choice.devices.push_back(entry.code);
        } else if (!IsBridge(entry)) {
            choice.bridges.clear();
        } else {
            const BridgeChoice bridge{entry.code, entry.field2Box >= 0 ? record.field2 : ""};
            auto same = std::find_if(choice.bridges.begin(), choice.bridges.end(),
                                     [&](const BridgeChoice& b) { return RowOf(b) == entry.controlIndex; });
            if (same != choice.bridges.end())
                *same = bridge;
            else
                choice.bridges.push_back(bridge);
        }
    }
    std::stable_sort(choice.bridges.begin(), choice.bridges.end(),
                     [](const BridgeChoice& a, const BridgeChoice& b) { return RowOf(a) < RowOf(b); });
    std::stable_sort(choice.devices.begin(), choice.devices.end(),
                     [](const std::string& a, const std::string& b) { return WritePosition(a) < WritePosition(b); });
    choice.probe = ReadProbe(probe.value_or(DefaultSettingValue), field);
    return choice;
}

std::string EncodeXray(const WorkstationChoice& choice) {
    std::string value;
    for (const BridgeChoice& bridge : choice.bridges)
        value += MakeRecord(bridge.code, bridge.commandLine);
    for (const std::string& device : choice.devices)
        value += MakeRecord(device, "");
    return value.empty() ? MakeRecord(NoneCode, "") : value;
}

const InterfaceCode* FindBridgeCode(const std::string& code) {
    const InterfaceCode* entry = FindXrayCode(UCase(code));
    return entry != nullptr && IsBridge(*entry) ? entry : nullptr;
}

const InterfaceCode* FindDeviceCode(const std::string& code) {
    const InterfaceCode* entry = FindXrayCode(UCase(code));
    return entry != nullptr && entry->control == CodeControl::Device ? entry : nullptr;
}

} // namespace zw
