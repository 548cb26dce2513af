#pragma once
#include <string>
#include <vector>

#include "detect.h"

namespace zw {

// Where each imaging program is or could be on this machine; the drives and shares together get the options'
// time to answer.
std::vector<ProgramPlaces> DetectOnThisMachine(const DetectOptions& options = {});

// The file of a bridge program found first on this machine, for storing as its command line; when there is
// none, the places looked at.
DetectedProgram DetectProgram(const std::string& code);

} // namespace zw
