#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "detect.h"

namespace zw {

enum class DetectFormat { Table, Json, Csv };

// One line for a person: the path (or that nothing is named), its source and the registry view.
std::string DescribePlace(const Place& place);

void WriteDetectTable(const std::vector<ProgramPlaces>& programs, std::ostream& out);
void WriteDetectJson(const std::vector<ProgramPlaces>& programs, std::ostream& out);
void WriteDetectCsv(const std::vector<ProgramPlaces>& programs, std::ostream& out);

} // namespace zw
