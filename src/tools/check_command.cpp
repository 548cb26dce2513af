// check: SQLite's integrity check of every page, and that every setting's history ends in its value.
#include <ostream>

#include "command.h"
#include "store/product_database.h"
#include "store/settings_store.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    run.args.Rest(0, 0);
    run.station = "*";
    SqliteDatabase& database = run.Database();
    std::vector<std::string> problems = DatabaseIntegrityProblems(database.Connection(), database.Name());
    if (problems.empty())
        problems = HistoryDisagreements(database);
    for (const std::string& problem : problems)
        run.streams.err << problem << '\n';
    if (problems.empty())
        run.Out() << "ok\n";
    run.result = problems.empty() ? "ok" : "damaged";
    return problems.empty() ? toolexit::Success : toolexit::ChecksFailed;
}

const Registration registration{{"check",
                                 "  check                   check every page of the database and that every "
                                 "setting's\n                          history ends in its value; prints ok or "
                                 "what is wrong\n",
                                 Run}};

} // namespace

} // namespace zw::tool
