#include "interface_codes.h"

#include "base/strings.h"

namespace zw {

std::string XrayKey(const std::string& stationId) {
    return "XRAY" + stationId;
}
std::string ProbeKey(const std::string& stationId) {
    return "PROBE" + stationId;
}

const std::vector<InterfaceCode>& InterfaceCodes() {
    using S = CodeSetting;
    using C = CodeControl;
    using W = Field2Written;
    static const std::vector<InterfaceCode> table = {
        {"NONE", S::Xray, C::Bridge, 0, -1, W::Empty},
        {"TROPHY", S::Xray, C::Bridge, 1, 0, W::Untrimmed},
        {"SCHICK", S::Xray, C::Bridge, 2, 8, W::Trimmed},
        {"TIGER", S::Xray, C::Bridge, 3, 1, W::Untrimmed},
        {"DEXIS", S::Xray, C::Bridge, 4, 2, W::Untrimmed},
        {"VIPERSOFT", S::Xray, C::Bridge, 5, -1, W::Empty},
        {"SIDEXIS", S::Xray, C::Bridge, 6, 3, W::Untrimmed},
        {"GENDEX", S::Xray, C::Bridge, 7, -1, W::Empty},
        {"PROIMAGE", S::Xray, C::Bridge, 8, -1, W::Empty},
        {"XVA3DMD", S::Xray, C::Bridge, 9, 4, W::Untrimmed},
        {"LIGHTYEAR", S::Xray, C::Bridge, 9, 4, W::Untrimmed},
        {"DIMAXIS", S::Xray, C::Bridge, 10, 5, W::Trimmed},
        {"DICOM", S::Xray, C::Bridge, 11, 6, W::Untrimmed},
        {"IMAGEFX", S::Xray, C::Bridge, 12, 7, W::Untrimmed},
        {"SCHICK-DICOM", S::Xray, C::Bridge, 13, 9, W::Trimmed},
        {"MEDIADENT", S::Xray, C::Bridge, 14, 10, W::Trimmed},
        {"ORTHOCAD", S::Xray, C::Bridge, 15, 11, W::Trimmed},
        {"DI_GENDEX", S::Xray, C::Device, 1, -1, W::Empty},
        {"DI_SCANX", S::Xray, C::Device, 2, -1, W::Empty},
        {"DI_SCHICK-DICOM", S::Xray, C::Device, 3, -1, W::Empty},
        {"DI_VISIODENT", S::Xray, C::Device, 4, -1, W::Empty},
        {"DI_GENDEXGP", S::Xray, C::Device, 5, -1, W::Empty},
        {"DI_SUNI", S::Xray, C::Device, 6, -1, W::Empty},
        {"NONE", S::Probe, C::Probe, 0, -1, W::Never},
        {"FLORIDA PROBE", S::Probe, C::Probe, 1, 0, W::Never},
    };
    return table;
}

const InterfaceCode* FindXrayCode(const std::string& code) {
    for (const auto& entry : InterfaceCodes())
        if (entry.setting == CodeSetting::Xray && code == entry.code)
            return &entry;
    return nullptr;
}

std::string MakeRecord(const std::string& code, const std::string& field2) {
    return code + LF + field2 + LF + CR;
}

} // namespace zw
