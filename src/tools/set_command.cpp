// set SECTION KEY: standard input, exactly as read, stored as one value.
#include <ostream>

#include "command.h"
#include "stations.h"
#include "store/settings_store.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto words = run.args.Rest(2, 2);
    // Standard input that cannot be read is no empty value: nothing is stored.
    const std::optional<std::string> value = run.streams.readInput();
    if (!value) {
        run.streams.err << "zwsettings: standard input could not be read; nothing was stored\n";
        run.result = "no-input";
        return toolexit::ChecksFailed;
    }
    const std::string key = StoredSettingKey(run.Database(), words[0], words[1]);
    WriteStoredSettings(run.Database(), {{words[0], key, *value}}, "zwsettings set");
    return toolexit::Success;
}

const Registration registration{
    {"set", "  set SECTION KEY         store standard input, exactly as read, as a setting's value\n", Run}};

} // namespace

} // namespace zw::tool
