#pragma once
// The settings tool run in this process on a fresh product database, as the tests of the tool drive it.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/environment_overrides.h"
#include "store/database_key.h"
#include "store/product_database.h"
#include "support/env_test_support.h"
#include "tools/settings_tool.h"

namespace zw::tooltest {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
    std::string Said() const { return out + err; }
};

// The tool in this process: its main adds no more than UTF-8 arguments and the streams. No input: standard
// input cannot be read.
inline ToolRun InThisProcess(const std::vector<std::string>& args, const std::optional<std::string>& input) {
    std::ostringstream out, err;
    const int code = RunSettingsTool(args, {[&] { return input; }, out, err});
    return {code, out.str(), err.str()};
}

// A product database of its own (one key-derivation round keeps the many opens quick), the product's
// password, and the workstation WS1.
class ToolOnADatabase : public ::testing::Test {
protected:
    ToolOnADatabase() { CreateProductDatabase(db, BuiltInDatabasePassword); }
    ToolRun Run(std::vector<std::string> args, const std::optional<std::string>& input = "") const {
        args.insert(args.begin(), {"--database", db});
        return InThisProcess(args, input);
    }
    std::string Stored(const std::string& key) const { return Run({"get", "INTERFACE", key}).out; }

    envtest::TempFolder folder;
    envtest::ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    envtest::ScopedVariable station{"ZELT_STATION", "WS1"};
    std::string db = folder.File("ZELTWIN.MDB");
};

} // namespace zw::tooltest
