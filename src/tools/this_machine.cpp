#include "this_machine.h"

#include <memory>

#include "environment/environment_stand_in.h"

#ifdef _WIN32
#include "win32/platform/profile.h"
#else
#include "host/no_windows_profile.h"
#endif

namespace zw::tool {

namespace {

#ifndef _WIN32
using MachineProfile = NoWindowsProfile;
#else
using MachineProfile = Win32Profile;
#endif

EnvironmentStandIn& Component() {
    static EnvironmentStandIn component;
    return component;
}

} // namespace

MachineChecks ThisMachineChecks() {
    return {[](const std::string& path) { return Component().CheckFileExists(path); },
            [] {
                MachineProfile profile;
                return !ReadDentxMainFile(profile).empty();
            }};
}

RegistryRead ThisMachineRegistry() {
    return [](const std::string& subKey, uint32_t root) { return Component().ReadRegistryString(subKey, "", root); };
}

} // namespace zw::tool
