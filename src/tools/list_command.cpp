// list: every stored value, one a line (a password hidden unless asked for).
#include <ostream>

#include "command.h"
#include "secrets.h"
#include "stations.h"
#include "store/settings_store.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const bool showPasswords = TakeShowPasswords(run.args);
    run.args.Rest(0, 0);
    for (const StoredSetting& setting : ListStoredSettings(run.Database())) {
        const std::string value =
            showPasswords ? setting.value : HiddenValue(setting.section, setting.key, setting.value);
        run.Out() << Escaped(setting.section) << '\t' << Escaped(setting.key) << '\t' << Escaped(value) << '\n';
    }
    return toolexit::Success;
}

const Registration registration{{"list",
                                 "  list [--show-passwords]  every setting, one a line: section, key and value "
                                 "separated by tabs,\n"
                                 "                          with \\n, \\r, \\t and \\\\ standing for LF, CR, tab and "
                                 "backslash;\n"
                                 "                          a Dimaxis password as *** unless --show-passwords\n",
                                 Run}};

} // namespace

} // namespace zw::tool
