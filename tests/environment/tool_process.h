#pragma once
#include <string>
#include <vector>

namespace zw::envtest {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program (POSIX builds; under Windows the end-to-end tests drive the tool) with the arguments, the input as its
// standard input, and collects what it writes.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                         const std::string& workFolder);

} // namespace zw::envtest
