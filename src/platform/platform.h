#pragma once
#include "database.h"
#include "environment_component.h"
#include "message_boxes.h"
#include "process.h"
#include "shell.h"
#include "windows_profile.h"

namespace zw {

// Everything the dialog reaches outside itself.
struct Platform {
    EnvironmentFactory& environmentFactory;
    DatabaseEngine& databaseEngine;
    MessageBoxes& messageBoxes;
    Shell& shell;
    WindowsProfile& profile;
    Process& process;
};

} // namespace zw
