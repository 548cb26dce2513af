// check-station under Wine: a program removed after it was chosen is reported broken with the dialog's message
// and where detect finds it now; --record shows in stations, beside a station that was never checked.
#include <filesystem>

#include "harness.h"

namespace zw::e2e {
namespace {

using StationHealthTest = DialogTest;

// The tool's exit code and output: the harness's runner takes any code but 0 for a failure and says both.
std::pair<int, std::string> ExitAndOutput(const std::function<std::string()>& run) {
    try {
        return {0, run()};
    } catch (const std::runtime_error& failed) {
        const std::string what = failed.what();
        const size_t code = what.find('(') + 1, text = what.find("): ") + 3;
        return {std::stoi(what.substr(code)), what.substr(text)};
    }
}

TEST_F(StationHealthTest, ARemovedProgramIsReportedBrokenWithWhereItIsNowAndRecorded) {
    const std::wstring chosen = Folder() + L"\\CDR\\NCDR.EXE", moved = Folder() + L"\\Schick 2\\NCDR.EXE";
    Touch(chosen);
    RunTool(
        {L"--database", Database(), L"apply", L"--bridge", L"SCHICK=" + chosen, L"--bridge", L"VIPERSOFT", L"--quiet"});
    RunTool({L"--database", Database(), L"apply", L"--station", L"FRONT DESK", L"--bridge", L"VIPERSOFT", L"--quiet"});
    EXPECT_EQ(ExitAndOutput([&] { return RunTool({L"--database", Database(), L"check-station"}); }).first, 0);

    // The update moved the program and registered the new place.
    std::filesystem::remove(std::filesystem::path(chosen));
    Touch(moved);
    const AppPath registered(L"NCDR.EXE", moved);
    const auto [code, said] = ExitAndOutput([&] { return RunTool({L"--database", Database(), L"check-station"}); });
    EXPECT_EQ(code, 1) << said;
    for (const std::string& part :
         std::vector<std::string>{"E2E: broken: SCHICK", "SCHICK: Can not find file [" + Narrow(chosen) + "]",
                                  "SCHICK: detect finds " + Narrow(moved)})
        EXPECT_NE(said.find(part), std::string::npos) << part << "\nin\n" << said;
    EXPECT_EQ(RunTool({L"--database", Database(), L"stations", L"--format", L"csv"}).find("broken"), std::string::npos)
        << "nothing recorded without --record";

    EXPECT_EQ(ExitAndOutput([&] {
                  return RunTool({L"--database", Database(), L"check-station", L"--record"});
              }).first,
              1);
    const std::string listed = RunTool({L"--database", Database(), L"stations", L"--broken", L"--format", L"csv"});
    EXPECT_NE(listed.find(",broken: SCHICK,just now\r\n"), std::string::npos) << listed;
    EXPECT_NE(listed.find("FRONT DESK,VIPERSOFT,"), std::string::npos) << listed;
    EXPECT_NE(listed.find(",never checked,\r\n"), std::string::npos) << listed;
}

} // namespace
} // namespace zw::e2e
