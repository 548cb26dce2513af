// Detect's results as the tool writes them: a place is one JSON object, with the check's verdict and nothing as
// null, and one row of the table, written by the tool's one table writer.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tools/detect_format.h"

namespace zw {
namespace {

TEST(DetectFormat, APlaceIsAnObjectOfTheJsonAndARowOfTheTable) {
    const std::string key = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CDRDicom.EXE";
    const std::string deep = "C:\\Program Files (x86)\\" + std::string(70, 'x') + "\\LIGHTYEAR.EXE";
    const std::string n = "N:\\CDR\\CDRDicom.EXE";
    const DriveInfo share{DriveKind::Mapped, "\\\\srv\\xray"}, local{DriveKind::Local, ""};
    Place mapped{"SCHICK-DICOM", PlaceSource::Registry, key, RegistryView::Bits32, n, n, Presence::Exists, share};
    mapped.proposed = mapped.first = true;
    mapped.accepted = true;
    const Place xva{"LIGHTYEAR", PlaceSource::InstallFolder, "Program Files (x86)", {}, "", deep, Presence::Missing,
                    local};
    const std::vector<ProgramPlaces> programs = {{11, "SCHICK-DICOM", {mapped}}, {9, "XVA3DMD", {xva}}};

    // The CSV's rows, the same fields as cells, are checked end to end under Wine.
    const auto json = DetectJson(programs)["programs"];
    EXPECT_EQ(json[0]["found"], n);
    EXPECT_EQ(json[0]["places"][0]["accepted"], true);
    EXPECT_TRUE(json[1]["found"].is_null() && json[1]["places"][0]["view"].is_null() &&
                json[1]["places"][0]["unc"].is_null());

    std::ostringstream table;
    EXPECT_TRUE(WriteDetectTable(programs, table)) << "the long path is cut short";
    for (const char* row :
         {R"(\nSCHICK-DICOM +\*> +exists +N:\\CDR\\CDRDicom\.EXE +mapped network drive \\\\srv\\xray +)"
          R"(registry, 32-bit +HKLM\\SOFTWARE\\Microsoft\\.*\\CDRDicom\.EXE\n)",
          R"(\nXVA3DMD +missing +C:\\Program Files \(x86\)\\x{56}…  stored as LIGHTYEAR +)"
          R"(install-folder +Program Files \(x86\)\n)"})
        EXPECT_TRUE(std::regex_search(table.str(), std::regex(row))) << row << "\n" << table.str();
}

} // namespace
} // namespace zw
