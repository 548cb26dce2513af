#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "detect.h"

namespace zw {

// detect [--format table|json|csv] [--timeout SECONDS]: where each imaging program is or could be on this
// machine; the drives and shares together get the timeout (2 s unless given) to answer. Exit code 0, or 2 for
// arguments it does not know (the message on err).
int RunDetect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The same, on a given machine and registry.
int RunDetect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::shared_ptr<DetectHost>& host, RegistryReader& registry);

// The file of a bridge program found first on this machine, for storing as its command line; when there is
// none, the places looked at.
DetectedProgram DetectProgram(const std::string& code);

} // namespace zw
