// get SECTION KEY: one stored value, exactly as stored (a password hidden unless asked for).
#include <ostream>

#include "command.h"
#include "secrets.h"
#include "stations.h"
#include "store/settings_store.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const bool showPasswords = TakeShowPasswords(run.args);
    const auto words = run.args.Rest(2, 2);
    const std::string key = StoredSettingKey(run.Database(), words[0], words[1]);
    const auto value = ReadStoredSetting(run.Database(), words[0], key);
    if (!value) {
        run.streams.err << "zwsettings: no setting " << words[1] << " in section " << words[0] << "\n";
        run.result = "not-stored";
        return toolexit::ChecksFailed;
    }
    run.Out() << (showPasswords ? *value : HiddenValue(words[0], key, *value));
    return toolexit::Success;
}

const Registration registration{
    {"get",
     "  get SECTION KEY [--show-passwords]\n"
     "                          write a setting's value exactly as stored, with no newline added; a Dimaxis\n"
     "                          password as *** unless --show-passwords\n",
     Run}};

} // namespace

} // namespace zw::tool
