// create-database PATH: a new, empty product database encrypted with the password.
#include "command.h"
#include "store/product_database.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto words = run.args.Rest(0, 1);
    const std::optional<std::string> path = words.empty() ? run.databasePath : words[0];
    if (!path)
        throw UsageError{"create-database needs the path of the new database"};
    CreateProductDatabase(*path, NewDatabasePassword(run.Password()));
    return toolexit::Success;
}

const Registration registration{
    {"create-database", "  create-database PATH    make a new, empty product database encrypted with the password\n",
     Run}};

} // namespace

} // namespace zw::tool
