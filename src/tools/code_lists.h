#pragma once
#include <string>

namespace zw::tool {

// The codes a command line or an import file may name, read from the one table of interface codes: the
// bridges, the devices the dialog offers, and the probe programs, each list separated by blanks.
std::string BridgeCodes();
std::string OfferedDeviceCodes();
std::string ProbeCodes();

// Empty when the code (any case) names a bridge, else why it does not.
std::string BridgeCodeProblem(const std::string& code);
// Empty when the code (any case) names a device, and with offeredOnly one that the dialog offers, else why
// not: a device the dialog hides could be neither seen nor cleared there.
std::string DeviceCodeProblem(const std::string& code, bool offeredOnly = true);

// The three lists as --help ends, each wrapped to the width of the usage lines.
std::string CodesHelp();

} // namespace zw::tool
