#include "run_detect.h"

namespace zw {

std::vector<ProgramPlaces> DetectOnThisMachine(const DetectOptions& options) {
    const auto registry = MakeSystemRegistryReader();
    return Detect(MakeSystemDetectHost(), *registry, options);
}

DetectedProgram DetectProgram(const std::string& code) {
    return FindDetected(DetectOnThisMachine(), code);
}

} // namespace zw
