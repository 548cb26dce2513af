#pragma once
#include <vector>

#include "detect.h"

namespace zw {

// Every place of every program, in the dialog's order, with the registry read and the proposals marked but no
// file looked at yet (except Dentx.ini, which the ProImage test itself looks for).
std::vector<ProgramPlaces> ListPlaces(DetectHost& host, RegistryReader& registry);

} // namespace zw
