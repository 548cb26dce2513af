#pragma once
// Time stamps of the program's start and close, kept only when the platform switches them on (the Windows
// program does when ZW_TRACE_STARTUP names a file). Switched off, a mark costs one test of a flag.
#include <string>
#include <vector>

namespace zw::trace {

struct Event {
    const char* name;
    long long ticks;  // a point in time, in the clock's ticks; for a sum, the ticks it adds up to
    bool accumulated; // a sum of spans (e.g. every font made) rather than a point
};

// Starts keeping marks, taking time from clock.
void Enable(long long (*clock)());
bool Enabled();
void Mark(const char* name);
// A mark taken before the trace was switched on.
void MarkAt(const char* name, long long ticks);
const std::vector<Event>& Events();

// Adds the time from its making to its end to the sum called name.
class Span {
public:
    explicit Span(const char* name);
    ~Span();
    Span(const Span&) = delete;
    Span& operator=(const Span&) = delete;

private:
    const char* name_;
    long long start_;
};

} // namespace zw::trace
