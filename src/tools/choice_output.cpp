#include "choice_output.h"

#include "base/utf8.h"
#include "base64.h"
#include "secrets.h"

namespace zw::tool {

void AddRawValue(Json& object, const std::string& name, const std::optional<std::string>& value) {
    if (!value)
        object[name] = nullptr;
    else if (IsUtf8(*value))
        object[name] = *value;
    else
        object[name + "Base64"] = Base64(*value);
}

WorkstationChoice ForPeople(const WorkstationChoice& choice) {
    WorkstationChoice shown = choice;
    for (BridgeChoice& bridge : shown.bridges)
        bridge.commandLine = ShownUtf8(bridge.commandLine);
    shown.probe.commandLine = ShownUtf8(shown.probe.commandLine);
    return shown;
}

Json ChoiceJson(const StationValues& values, bool withRaw) {
    const WorkstationChoice choice = ForPeople(Decode(values));
    Json object = {{"station", values.station}};
    if (withRaw) {
        AddRawValue(object, "xray", values.xray);
        AddRawValue(object, "probe", values.probe);
    }
    Json bridges = Json::array();
    for (const BridgeChoice& bridge : choice.bridges)
        bridges.push_back(
            {{"code", bridge.code}, {"commandLine", withRaw ? bridge.commandLine : HiddenCommandLine(bridge)}});
    object["bridges"] = bridges;
    object["devices"] = choice.devices;
    object["probeProgram"] = choice.probe.code == NoneCode
                                 ? Json(nullptr)
                                 : Json{{"code", choice.probe.code}, {"commandLine", choice.probe.commandLine}};
    return object;
}

std::string BridgesText(const WorkstationChoice& choice) {
    std::string text;
    for (const BridgeChoice& bridge : choice.bridges) {
        const std::string shown = ShownCommandLine(bridge);
        text += (text.empty() ? "" : ", ") + bridge.code + (shown.empty() ? "" : "=" + shown);
    }
    return text.empty() ? "NONE" : text;
}

std::string DevicesText(const WorkstationChoice& choice) {
    std::string text;
    for (const std::string& device : choice.devices)
        text += (text.empty() ? "" : " ") + device;
    return text.empty() ? "NONE" : text;
}

std::string ProbeText(const WorkstationChoice& choice) {
    if (choice.probe.code == NoneCode)
        return "NONE";
    return choice.probe.code + "=" + Escaped(choice.probe.commandLine, false);
}

} // namespace zw::tool
