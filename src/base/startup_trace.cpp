#include "startup_trace.h"

namespace zw::trace {

namespace {

long long (*gClock)() = nullptr;

std::vector<Event>& Store() {
    static std::vector<Event> events;
    return events;
}

} // namespace

void Enable(long long (*clock)()) {
    gClock = clock;
    Store().reserve(64);
}

bool Enabled() {
    return gClock != nullptr;
}

void Mark(const char* name) {
    if (gClock != nullptr)
        Store().push_back({name, gClock(), false});
}

void MarkAt(const char* name, long long ticks) {
    if (gClock != nullptr)
        Store().push_back({name, ticks, false});
}

const std::vector<Event>& Events() {
    return Store();
}

Span::Span(const char* name) : name_(name), start_(gClock != nullptr ? gClock() : 0) {}

Span::~Span() {
    if (gClock == nullptr)
        return;
    const long long spent = gClock() - start_;
    for (Event& event : Store()) {
        if (event.accumulated && event.name == name_) {
            event.ticks += spent;
            return;
        }
    }
    Store().push_back({name_, spent, true});
}

} // namespace zw::trace
