// detect [--format table|json|csv] [--timeout SECONDS]: every place on this machine where each imaging program is or
// could be.
#include <ostream>

#include "detect/run_detect.h"
#include "detect_format.h"
#include "json.h"
#include "output_format.h"

namespace zw::tool {

namespace {

constexpr int MaxTimeoutSeconds = 600;

// Whole seconds from 1 to 600: the time all drives and shares together get to answer.
std::chrono::seconds TimeoutSeconds(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(text) < 1 || std::stoi(text) > MaxTimeoutSeconds)
        throw UsageError{"the timeout is whole seconds from 1 to " + std::to_string(MaxTimeoutSeconds) + ", not " +
                         text};
    return std::chrono::seconds(std::stoi(text));
}

int Run(Invocation& run) {
    const Format format = TakeFormat(run);
    DetectOptions options;
    if (const auto timeout = run.args.Value("--timeout"))
        options.budget = TimeoutSeconds(*timeout);
    run.args.Rest(0, 0);
    run.station = "-";
    const auto programs = DetectOnThisMachine(options);
    if (format == Format::Json)
        run.Out() << JsonText(DetectJson(programs), 2) << "\n";
    else if (format == Format::Csv)
        WriteCsv(run.Out(), DetectRows(programs));
    else
        run.shortened = WriteDetectTable(programs, run.Out());
    return toolexit::Success;
}

const Registration registration{{"detect",
                                 "  detect [--format table|json|csv] [--timeout SECONDS]\n"
                                 "                          every place on this workstation where each imaging "
                                 "program is\n                          or could be: registry (both views), "
                                 "Browse folders, Program Files\n",
                                 Run}};

} // namespace

} // namespace zw::tool
