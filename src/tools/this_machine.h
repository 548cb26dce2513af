#pragma once
#include "choice/bridge_rows.h"
#include "choice/choice_checks.h"

namespace zw::tool {

// What the dialog asks of the computer it runs on, asked here the same way: files through the environment
// component stand-in, the registry through it, ProImage's set-up through the Windows folder's Dentx.ini
// (a computer without a Windows folder has no ProImage).
MachineChecks ThisMachineChecks();
RegistryRead ThisMachineRegistry();

} // namespace zw::tool
