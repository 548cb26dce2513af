// change-password NEW: the database encrypted with another password, rebuilt beside and swapped in whole.
#include "command.h"
#include "store/product_database.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto words = run.args.Rest(1, 1);
    run.station = "*";
    ReencryptProductDatabase(run.DatabasePath(), run.Password(), NewDatabasePassword(words[0]));
    return toolexit::Success;
}

const Registration registration{{"change-password",
                                 "  change-password NEW     encrypt the database with the password NEW instead of "
                                 "the\n                          password\n",
                                 Run}};

} // namespace

} // namespace zw::tool
