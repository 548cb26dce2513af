// get SECTION KEY: one stored value, exactly as stored.
#include <ostream>

#include "command.h"
#include "store/settings_store.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto words = run.args.Rest(2, 2);
    const auto value = ReadStoredSetting(run.Database(), words[0], words[1]);
    if (!value) {
        run.streams.err << "zwsettings: no setting " << words[1] << " in section " << words[0] << "\n";
        run.result = "not-stored";
        return toolexit::ChecksFailed;
    }
    run.Out() << *value;
    return toolexit::Success;
}

const Registration registration{
    {"get", "  get SECTION KEY         write a setting's value exactly as stored, with no newline added\n", Run}};

} // namespace

} // namespace zw::tool
