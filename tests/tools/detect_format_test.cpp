// Detect's results as the tool writes them: each field of a place is one CSV cell and one JSON member under
// the same name, and a place is one row of the table, written by the tool's one table writer.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tools/detect_format.h"

namespace zw {
namespace {

using Strings = std::vector<std::string>;

TEST(DetectFormat, APlaceIsARowOfEveryFormat) {
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

    const auto rows = DetectRows(programs);
    const Strings heading = {"program", "code",  "source", "where", "view",     "value",
                             "path",    "state", "drive",  "unc",   "proposed", "first"};
    ASSERT_EQ(rows, (std::vector<Strings>{heading,
                                          {"SCHICK-DICOM", "SCHICK-DICOM", "registry", key, "32-bit", mapped.value,
                                           mapped.path, "exists", "mapped", "\\\\srv\\xray", "yes", "yes"},
                                          {"XVA3DMD", "LIGHTYEAR", "install-folder", "Program Files (x86)", "", "",
                                           deep, "missing", "local", "", "no", "no"}}));
    const auto json = DetectJson(programs);
    size_t places = 0;
    for (const auto& program : json["programs"])
        for (const auto& place : program["places"]) {
            EXPECT_EQ(rows[++places][0], program["code"]);
            for (size_t i = 1; i < heading.size(); ++i) {
                const auto& member = place[heading[i]];
                EXPECT_EQ(member.is_boolean() ? (member.get<bool>() ? "yes" : "no")
                          : member.is_null()  ? ""
                                              : member.get<std::string>(),
                          rows[places][i])
                    << heading[i];
            }
        }

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
