// list: every stored value, one a line.
#include <ostream>

#include "command.h"
#include "stations.h"
#include "store/settings_store.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    run.args.Rest(0, 0);
    for (const StoredSetting& setting : ListStoredSettings(run.Database()))
        run.Out() << Escaped(setting.section) << '\t' << Escaped(setting.key) << '\t' << Escaped(setting.value) << '\n';
    return toolexit::Success;
}

const Registration registration{{"list",
                                 "  list                    every setting, one a line: section, key and value "
                                 "separated by tabs,\n"
                                 "                          with \\n, \\r, \\t and \\\\ standing for LF, CR, tab and "
                                 "backslash\n",
                                 Run}};

} // namespace

} // namespace zw::tool
