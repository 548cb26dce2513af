#pragma once
#include <memory>

#include "platform/environment_component.h"

namespace zw {

// The program's one global reference to the environment component: empty at start, set once while the
// dialog initialises, emptied again when the dialog terminates.
extern std::unique_ptr<EnvironmentComponent> gEnvironment;

// Creates the component through the factory and makes its initialisation calls; does nothing when
// gEnvironment already holds one.
void CreateEnvironment(EnvironmentFactory& factory);
// Releases the component.
void ReleaseEnvironment();

// gEnvironment, or RuntimeError 91 when it holds none.
EnvironmentComponent& Env();

} // namespace zw
