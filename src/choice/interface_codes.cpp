#include "interface_codes.h"

#include "base/strings.h"
#include "bridge_rows.h"

namespace zw {

std::string XrayKey(const std::string& stationId) {
    return "XRAY" + stationId;
}
std::string ProbeKey(const std::string& stationId) {
    return "PROBE" + stationId;
}

namespace {

Field2Written WrittenOf(RowField field) {
    switch (field) {
    case RowField::BoxUntrimmed:
        return Field2Written::Untrimmed;
    case RowField::BoxTrimmed:
    case RowField::Password:
        return Field2Written::Trimmed;
    case RowField::Empty:
        break;
    }
    return Field2Written::Empty;
}

} // namespace

// The bridge entries come from the bridge rows, one for each code a row is stored with.
const std::vector<InterfaceCode>& InterfaceCodes() {
    using S = CodeSetting;
    using C = CodeControl;
    using W = Field2Written;
    static const std::vector<InterfaceCode> table = [] {
        std::vector<InterfaceCode> codes = {{"NONE", S::Xray, C::Bridge, 0, -1, W::Empty}};
        for (const BridgeRow& row : BridgeRows())
            for (const char* code : row.Codes())
                codes.push_back({code, S::Xray, C::Bridge, row.row, row.text, WrittenOf(row.field)});
        codes.insert(codes.end(), {
                                      {"DI_GENDEX", S::Xray, C::Device, 1, -1, W::Empty},
                                      {"DI_SCANX", S::Xray, C::Device, 2, -1, W::Empty},
                                      {"DI_SCHICK-DICOM", S::Xray, C::Device, 3, -1, W::Empty},
                                      {"DI_VISIODENT", S::Xray, C::Device, 4, -1, W::Empty},
                                      {"DI_GENDEXGP", S::Xray, C::Device, 5, -1, W::Empty},
                                      {"DI_SUNI", S::Xray, C::Device, 6, -1, W::Empty},
                                      {"NONE", S::Probe, C::Probe, 0, -1, W::Never},
                                      {"FLORIDA PROBE", S::Probe, C::Probe, 1, 0, W::Never},
                                  });
        return codes;
    }();
    return table;
}

const InterfaceCode* FindXrayCode(const std::string& code) {
    for (const auto& entry : InterfaceCodes())
        if (entry.setting == CodeSetting::Xray && code == entry.code)
            return &entry;
    return nullptr;
}

bool DeviceNotOffered(int controlIndex) {
    return controlIndex == 4 || controlIndex == 5 || controlIndex == 6;
}

std::string MakeRecord(const std::string& code, const std::string& field2) {
    return code + LF + field2 + LF + CR;
}

} // namespace zw
