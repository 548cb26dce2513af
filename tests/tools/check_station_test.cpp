#include <gtest/gtest.h>

#include "store/station_health.h"
#include "support/env_test_support.h"
#include "support/tool_run.h"
#include "tools/json.h"
#include "tools/settings_tool.h"
#include "tools/station_health_text.h"

namespace zw {
namespace {

class CheckStation : public tooltest::ToolOnADatabase {
protected:
    std::string StationsCsv() const { return Run({"stations", "--format", "csv"}).out; }

    // A backslash before the file name, as the dialog's name checks want: in the name under POSIX, a
    // folder under Windows.
    std::string tiger = folder.File("t\\TIGER1.EXE"), dexis = folder.File("d\\DEXIS.EXE");
};

// A program whose file went away is reported broken, with what detect finds (the dialog's message and a place
// found are checked under Wine end to end); nothing is written until --record, which then shows in stations
// and replaces the station's previous result. (That no password shows is checked with every other command.)
TEST_F(CheckStation, ReportsTheBrokenProgramAndRecordsOnlyWhenAsked) {
    for (const std::string& file : {tiger, dexis})
        std::filesystem::create_directories(envtest::PathOf(file).parent_path());
    envtest::WriteFile(tiger, "");
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS1"},
                  "TIGER\n" + tiger + "\n\rDEXIS\n" + dexis + "\n\rDIMAXIS\n secret\n\rDI_GENDEX\n\n\r")
                  .code,
              0);
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS2"}, "VIPERSOFT\n\n\r").code, 0);

    const tooltest::ToolRun broken = Run({"check-station"});
    EXPECT_EQ(broken.code, toolexit::ChecksFailed) << broken.Said();
    EXPECT_NE(broken.Said().find("DEXIS: detect finds it nowhere; looked at:\n"), std::string::npos) << broken.Said();
    EXPECT_NE(StationsCsv().find(",never checked,\r\n"), std::string::npos) << "nothing recorded without --record";

    const tool::Json result = tool::ParseJson(Run({"check-station", "--format", "json", "--record"}).out);
    const auto& programs = result.at("programs"); // TIGER, DEXIS, DIMAXIS; devices have no file
    ASSERT_EQ(programs.size(), 3u);
    EXPECT_TRUE(programs[0].at("ok").get<bool>() && !programs[1].at("ok").get<bool>() &&
                result.at("recorded").get<bool>());

    EXPECT_NE(StationsCsv().find(",broken: DEXIS,just now\r\n"), std::string::npos) << StationsCsv();
    EXPECT_NE(Run({"stations", "--format", "json"}).out.find("\"state\": \"broken\", \"broken\": [\"DEXIS\"]"),
              std::string::npos);

    // Installed again: the next record replaces the broken one; the never-checked station stays listed.
    envtest::WriteFile(dexis, "");
    EXPECT_EQ(Run({"check-station", "--record"}).code, 0);
    EXPECT_NE(StationsCsv().find(",ok,just now\r\n"), std::string::npos);
    const std::string needing = Run({"stations", "--broken", "--format", "csv"}).out;
    EXPECT_EQ(needing.find("WS1,"), std::string::npos) << needing;
    EXPECT_NE(needing.find("WS2,"), std::string::npos) << needing;
}

TEST(StationHealthText, AgesAndStaleness) {
    struct Case {
        std::string from, to, age;
    };
    const std::vector<Case> cases = {
        {"2026-12-06T09:00:00.000Z", "2026-12-06T09:00:59.999Z", "just now"},
        {"2026-12-06T09:00:00.000Z", "2026-12-06T10:59:00.000Z", "1 h ago"},
        {"2026-12-06T09:00:00.000Z", "2026-12-06T09:59:59.000Z", "59 min ago"},
        {"2024-12-31T23:00:00.000Z", "2025-01-03T00:00:00.000Z", "2 days ago"}, // across the year's end
        {"not a time", "2026-12-06T09:00:00.000Z", ""},
        {"2026-02-30T00:00:00.000Z", "2026-03-03T00:00:00.000Z", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tool::AgeText(tool::SecondsBetween(c.from, c.to)), c.age) << c.from << " " << c.to;

    const StationHealth ok{"A", "2026-12-01T00:00:00.000Z", "u", {{"TIGER", true, "", ""}}};
    StationHealth broken = ok;
    broken.programs.push_back({"DEXIS", false, "Can not find file [x]", ""});
    EXPECT_FALSE(tool::NeedsLooking(&ok, "2026-12-08T00:00:00.000Z"));
    EXPECT_TRUE(tool::NeedsLooking(&ok, "2026-12-08T00:00:01.000Z"));
    EXPECT_TRUE(tool::NeedsLooking(&broken, "2026-12-01T00:00:00.000Z"));
}

} // namespace
} // namespace zw
