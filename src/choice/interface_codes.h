#pragma once
#include <string>
#include <vector>

namespace zw {

// Where a workstation's interface choice is stored, and the layout of the stored values.
//
// X-ray value: records of  code LF text LF CR;  bridge records first (CheckBox1 index 1 to 15), then device
// records in the order DI_GENDEX, DI_GENDEXGP, DI_SCANX, DI_SCHICK-DICOM, DI_VISIODENT, DI_SUNI; the single
// record "NONE" LF LF CR when nothing is checked. Probe value: code LF command line.

inline constexpr const char* InterfaceSection = "INTERFACE";
inline constexpr const char* DefaultSettingValue = "NONE\n"; // what a missing value reads as
inline constexpr int SettingKind = 2;                        // third argument of ReadSetting / WriteSetting
inline constexpr const char* NoneCode = "NONE";              // no bridge, no device, no probe program
inline constexpr const char* FloridaProbeCode = "FLORIDA PROBE";

std::string XrayKey(const std::string& stationId);  // "XRAY" + station id
std::string ProbeKey(const std::string& stationId); // "PROBE" + station id

enum class CodeSetting { Xray, Probe };
enum class CodeControl { Bridge, Device, Probe }; // CheckBox1, DI_CheckBox1, Prob_Option1
enum class Field2Written { Empty, Untrimmed, Trimmed, Never };

// One row of the InterfaceCode table. A bridge's index, box and way of writing field 2 are its bridge row's
// (bridge_rows.h).
struct InterfaceCode {
    const char* code;
    CodeSetting setting;
    CodeControl control;
    int controlIndex; // index in CheckBox1, DI_CheckBox1 or Prob_Option1
    int field2Box;    // Text1 index that field 2 is read into; -1 where none (Prob_Text1(0) for the probe)
    Field2Written written;
};

// The complete table, in the order of the stored layout's rows.
const std::vector<InterfaceCode>& InterfaceCodes();
// The X-ray entry for a code compared exactly (callers upper-case first); nullptr when not in the table.
const InterfaceCode* FindXrayCode(const std::string& code);

// One stored record: code LF field2 LF CR.
std::string MakeRecord(const std::string& code, const std::string& field2);

// Devices the product does not offer (DI_CheckBox1 indexes): the dialog keeps their check boxes, hidden, so
// that stored settings still load and are kept on OK, but nobody can check one.
bool DeviceNotOffered(int controlIndex);

// Device records are written in this order of DI_CheckBox1 indexes.
inline constexpr int DeviceWriteOrder[] = {1, 5, 2, 3, 4, 6};

} // namespace zw
