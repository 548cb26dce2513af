#include "run_detect.h"

#include <optional>
#include <ostream>

#include "detect_format.h"

namespace zw {

namespace {

constexpr int Done = 0;
constexpr int BadArguments = 2;
constexpr int MaxTimeoutSeconds = 600;
constexpr const char* Usage = "detect [--format table|json|csv] [--timeout SECONDS]";

std::optional<int> TimeoutSeconds(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int seconds = std::stoi(text);
    if (seconds < 1 || seconds > MaxTimeoutSeconds)
        return std::nullopt;
    return seconds;
}

} // namespace

int RunDetect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::shared_ptr<DetectHost>& host, RegistryReader& registry) {
    DetectFormat format = DetectFormat::Table;
    DetectOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name, problem;
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--format" && hasValue)
            name = args[++i];
        else if (args[i].rfind("--format=", 0) == 0)
            name = args[i].substr(9);
        else if (args[i] == "--timeout" && hasValue) {
            const auto seconds = TimeoutSeconds(args[++i]);
            if (seconds) {
                options.budget = std::chrono::seconds(*seconds);
                continue;
            }
            problem =
                "the timeout is whole seconds from 1 to " + std::to_string(MaxTimeoutSeconds) + ", not " + args[i];
        } else
            problem = "unknown argument " + args[i];
        if (problem.empty() && name == "table")
            format = DetectFormat::Table;
        else if (problem.empty() && name == "json")
            format = DetectFormat::Json;
        else if (problem.empty() && name == "csv")
            format = DetectFormat::Csv;
        else {
            err << "detect: " << (problem.empty() ? "unknown format " + name : problem) << "\nusage: " << Usage << "\n";
            return BadArguments;
        }
    }

    const auto programs = Detect(host, registry, options);
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
