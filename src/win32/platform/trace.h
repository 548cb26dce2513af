#pragma once
// The start-up trace of the Windows program: switched on when ZW_TRACE_STARTUP names a file, the marks
// carry QueryPerformanceCounter ticks (the same clock in every process), and the file gets one line a mark.
#include <memory>

#include "platform/environment_component.h"

namespace zw::view {

// Switches the trace on when ZW_TRACE_STARTUP is set; true when it did.
bool StartTraceFromEnvironment();

// Writes the marks, then a last mark for the writing itself: "NAME<TAB>TICKS" for a point,
// "+NAME<TAB>TICKS" for a sum, and "=frequency<TAB>TICKS PER SECOND" first.
void WriteTrace();

// Creates the components of another factory, marking the beginning and end of each setting written.
class TracingEnvironmentFactory : public EnvironmentFactory {
public:
    explicit TracingEnvironmentFactory(EnvironmentFactory& inner) : inner_(inner) {}
    std::unique_ptr<EnvironmentComponent> Create() override;

private:
    EnvironmentFactory& inner_;
};

} // namespace zw::view
