#pragma once
#include <optional>
#include <string>

#include "choice/workstation_choice.h"
#include "command.h"

namespace zw::tool {

// The one rule for secrets: a Dimaxis password (the command line of a password row) is never written by a
// command, in any format, unless the command's --show-passwords asks for it; `export` is the exception, as its
// file must bring every value back. A password that is not empty is written as ***; an empty one stays empty.
inline const std::string HiddenPassword = "***";

// Whether the bridge's command line is a password (Dimaxis).
bool IsPassword(const BridgeChoice& bridge);
// The bridge's command line, a password hidden.
std::string HiddenCommandLine(const BridgeChoice& bridge);

// A stored value of the interface section with every password field hidden: the second field of each record
// whose code is a password row's. Other sections' values, and probe values, hold no password.
std::string HiddenValue(const std::string& section, const std::string& key, const std::string& value);
std::optional<std::string> HiddenValue(const std::string& section, const std::string& key,
                                       const std::optional<std::string>& value);

// --show-passwords, for the commands that can write passwords in clear.
bool TakeShowPasswords(Arguments& args);

} // namespace zw::tool
