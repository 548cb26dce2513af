#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "store/product_database.h"
#include "store/settings_store.h"
#include "support/env_test_support.h"
#include "tools/settings_tool.h"

namespace zw {
namespace {

// The tool applying, copying and importing while dialogs on other workstations save, each on a connection
// of its own: every value that anyone wrote is there at the end.
TEST(SettingsToolConcurrency, NothingAConcurrentSaveWroteIsLost) {
    envtest::TempFolder folder;
    const std::string db = folder.File("ZELTWIN.MDB");
    CreateProductDatabase(db, "pw");
    constexpr int Rounds = 15;
    const auto tool = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--database", db, "--password", "pw", "--quiet"});
        std::ostringstream out, err;
        const int code = RunSettingsTool(args, {[] { return std::optional<std::string>(); }, out, err});
        EXPECT_EQ(code, 0) << err.str();
    };

    std::thread dialogs([&] {
        for (int i = 0; i < Rounds; ++i) {
            auto database = SqliteDatabaseEngine().OpenDatabase(db, false, false, ";pwd=pw");
            WriteStoredSetting(static_cast<SqliteDatabase&>(*database), "INTERFACE", "XRAYD" + std::to_string(i),
                               "GENDEX\n\n\r", "ZWInterfaceSetup");
        }
    });
    std::thread applies([&] {
        for (int i = 0; i < Rounds; ++i)
            tool({"apply", "--station", "T" + std::to_string(i), "--bridge", "VIPERSOFT"});
    });
    std::thread copiesAndImports([&] {
        const std::string file = folder.File("i.json");
        for (int i = 0; i < Rounds; ++i) {
            envtest::WriteFile(file, "{\"format\": 1, \"stations\": [{\"station\": \"I" + std::to_string(i) +
                                         "\", \"xray\": \"DI_SUNI\\n\\n\\r\", \"probe\": null}]}");
            tool({"import", file});
            tool({"copy", "--from", "I" + std::to_string(i), "--to", "C" + std::to_string(i)});
        }
    });
    dialogs.join();
    applies.join();
    copiesAndImports.join();

    auto database = SqliteDatabaseEngine().OpenDatabase(db, false, true, ";pwd=pw");
    auto& store = static_cast<SqliteDatabase&>(*database);
    EXPECT_EQ(ListStoredSettings(store).size(), 4u * Rounds);
    for (int i = 0; i < Rounds; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(ReadStoredSetting(store, "INTERFACE", "XRAYD" + n), "GENDEX\n\n\r");
        EXPECT_EQ(ReadStoredSetting(store, "INTERFACE", "XRAYT" + n), "VIPERSOFT\n\n\r");
        EXPECT_EQ(ReadStoredSetting(store, "INTERFACE", "XRAYC" + n), "DI_SUNI\n\n\r");
    }
}

} // namespace
} // namespace zw
