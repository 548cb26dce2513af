#include "detect/run_detect.h"

#include <ostream>

#include "detect/detect_format.h"

namespace zw {

namespace {

constexpr int Done = 0;
constexpr int BadArguments = 2;

} // namespace

int RunDetect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::shared_ptr<DetectHost>& host, RegistryReader& registry) {
    DetectFormat format = DetectFormat::Table;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name;
        if (args[i] == "--format" && i + 1 < args.size())
            name = args[++i];
        else if (args[i].rfind("--format=", 0) == 0)
            name = args[i].substr(9);
        if (name == "table")
            format = DetectFormat::Table;
        else if (name == "json")
            format = DetectFormat::Json;
        else if (name == "csv")
            format = DetectFormat::Csv;
        else {
            err << "detect: unknown " << (name.empty() ? "argument " + args[i] : "format " + name)
                << "\nusage: detect [--format table|json|csv]\n";
            return BadArguments;
        }
    }

    const auto programs = Detect(host, registry);
    switch (format) {
    case DetectFormat::Table:
        WriteDetectTable(programs, out);
        break;
    case DetectFormat::Json:
        WriteDetectJson(programs, out);
        break;
    case DetectFormat::Csv:
        WriteDetectCsv(programs, out);
        break;
    }
    return Done;
}

int RunDetect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto registry = MakeSystemRegistryReader();
    return RunDetect(args, out, err, MakeSystemDetectHost(), *registry);
}

DetectedProgram DetectProgram(const std::string& code) {
    const auto registry = MakeSystemRegistryReader();
    return FindDetected(Detect(MakeSystemDetectHost(), *registry), code);
}

} // namespace zw
