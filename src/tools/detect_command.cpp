// detect [--format table|json|csv] [--timeout SECONDS]: every place on this machine where each imaging program is or
// could be.
#include <ostream>

#include "command.h"
#include "detect/run_detect.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    std::vector<std::string> words;
    if (const auto format = run.args.Value("--format"))
        words = {"--format", *format};
    if (const auto timeout = run.args.Value("--timeout"))
        words.insert(words.end(), {"--timeout", *timeout});
    run.args.Rest(0, 0);
    run.station = "-";
    const int code = RunDetect(words, run.Out(), run.streams.err);
    if (code == toolexit::BadArguments)
        throw UsageError{"detect takes --format table, json or csv, and --timeout from 1 to 600 seconds"};
    return code;
}

const Registration registration{{"detect",
                                 "  detect [--format table|json|csv] [--timeout SECONDS]\n"
                                 "                          every place on this workstation where each imaging "
                                 "program is\n                          or could be: registry (both views), "
                                 "Browse folders, Program Files\n",
                                 Run}};

} // namespace

} // namespace zw::tool
