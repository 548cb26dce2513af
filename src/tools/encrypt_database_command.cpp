// encrypt-database PATH: an unencrypted product database made by an earlier version, encrypted in place with
// the password; the old file stays whole until the encrypted one is complete.
#include "command.h"
#include "store/product_database.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto words = run.args.Rest(1, 1);
    run.station = "*";
    ReencryptProductDatabase(words[0], std::nullopt, NewDatabasePassword(run.Password()));
    return toolexit::Success;
}

const Registration registration{{"encrypt-database",
                                 "  encrypt-database PATH   encrypt, in place, an unencrypted product database made "
                                 "by an\n                          earlier version, with the password\n",
                                 Run}};

} // namespace

} // namespace zw::tool
