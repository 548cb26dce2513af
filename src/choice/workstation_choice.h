#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "interface_codes.h"

namespace zw {

// One workstation's choice as its two stored values say it: the bridges with their command lines (the
// Dimaxis password for DIMAXIS), the direct-interface devices and the probe program. The dialog and the
// settings tool read and write the values through this model only.

struct BridgeChoice {
    std::string code;        // as stored, upper case; XVA3DMD or LIGHTYEAR for the XVA row
    std::string commandLine; // field 2; empty for the rows that carry none
    bool operator==(const BridgeChoice&) const = default;
};

struct ProbeChoice {
    std::string code = NoneCode; // NONE or FLORIDA PROBE
    std::string commandLine;
    bool operator==(const ProbeChoice&) const = default;
};

struct WorkstationChoice {
    std::vector<BridgeChoice> bridges; // in the order of the bridge list, one per row
    std::vector<std::string> devices;  // device codes, in the order they are written
    ProbeChoice probe;
    bool operator==(const WorkstationChoice&) const = default;
};

// Field n (from 1) of a text split on one character: the environment component's GetField, or the same
// splitting where no component is at hand.
using FieldReader = std::function<std::string(const std::string& text, char delimiter, int n)>;

// One understood record of a stored X-ray value.
struct XrayRecord {
    const InterfaceCode* entry;
    std::string field2;
};

// The records of a stored X-ray value, in stored order, as the dialog applies them: one CR is appended,
// records are taken until the first empty one, codes are compared in upper case without trimming, and a
// record whose code is not in the table is skipped.
std::vector<XrayRecord> ReadXrayRecords(const std::string& stored, const FieldReader& field);
// The codes of the records that ReadXrayRecords skips, upper-cased, in stored order.
std::vector<std::string> UnknownXrayCodes(const std::string& stored, const FieldReader& field);

// The probe program of a stored probe value: any code other than FLORIDA PROBE reads as none.
ProbeChoice ReadProbe(const std::string& stored, const FieldReader& field);

// The choice that the stored values (nothing stored: the default) come to once every record is applied: a
// NONE record drops the bridges before it, a row stored twice keeps the later text, a device stored twice
// counts once.
WorkstationChoice DecodeChoice(const std::optional<std::string>& xray, const std::optional<std::string>& probe,
                               const FieldReader& field);

// The X-ray value the dialog writes for the choice: bridge records in list order, device records in their
// write order, the single NONE record when there are neither. The value the dialog wrote comes back byte
// for byte from DecodeChoice.
std::string EncodeXray(const WorkstationChoice& choice);

// The table entry of a code given in any case: a bridge (CheckBox1 row other than None) or a device.
const InterfaceCode* FindBridgeCode(const std::string& code);
const InterfaceCode* FindDeviceCode(const std::string& code);

} // namespace zw
