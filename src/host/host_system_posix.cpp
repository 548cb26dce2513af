#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <random>

#include "base/runtime_error.h"
#include "host_system.h"

namespace zw::host {

std::string ComputerName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        throw RuntimeError(errors::InvalidProcedureCall, "The computer's name could not be read.");
    return name;
}

void FillRandom(uint8_t* buffer, size_t size) {
    // The standard library reads the kernel's random source here (getrandom or /dev/urandom).
    std::random_device source;
    size_t i = 0;
    while (i < size) {
        unsigned int word = source();
        for (size_t k = 0; k < sizeof word && i < size; ++k, word >>= 8)
            buffer[i++] = uint8_t(word);
    }
}

std::string UserName() {
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
        return entry->pw_name;
    const char* name = std::getenv("USER");
    return name != nullptr ? name : "";
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

} // namespace zw::host
