// check-station under Wine: a program removed after it was chosen is reported broken with the dialog's message
// and where detect finds it now, in the real registry (what --record stores is tested natively).
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

TEST_F(StationHealthTest, ARemovedProgramIsReportedBrokenWithWhereItIsNow) {
    const std::wstring chosen = Folder() + L"\\CDR\\NCDR.EXE", moved = Folder() + L"\\Schick 2\\NCDR.EXE";
    Touch(chosen);
    RunTool(
        {L"--database", Database(), L"apply", L"--bridge", L"SCHICK=" + chosen, L"--bridge", L"VIPERSOFT", L"--quiet"});
    RunTool({L"--database", Database(), L"check-station"}); // well: any other exit code fails the test

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
}

} // namespace
} // namespace zw::e2e
