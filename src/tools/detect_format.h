#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "detect/detect.h"

namespace zw {

// One line for a person: the path (or that nothing is named), its source and the registry view.
std::string DescribePlace(const Place& place);

// The places a row each, program by program, marked as found first and proposed: the table a person reads,
// through the tool's one table writer. True when a cell was shortened.
bool WriteDetectTable(const std::vector<ProgramPlaces>& programs, std::ostream& out);
// {"programs": [{"code", "row", "found", "places": [{one member a field of the place}]}]}.
nlohmann::ordered_json DetectJson(const std::vector<ProgramPlaces>& programs);
// A heading and a row a place: the program, then the place's fields as in the JSON (nothing as empty, yes or
// no for true or false).
std::vector<std::vector<std::string>> DetectRows(const std::vector<ProgramPlaces>& programs);

} // namespace zw
