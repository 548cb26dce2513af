// Each checked row's name and existence tests, and the exact value a successful check writes.
#include "controls/strings.h"
#include "save_fixture.h"
#include "settings/interface_record.h"

namespace zw::test {
namespace {

const std::string TigerMsg = "Please select [TIGER1.EXE] as file name for TigerView Software";
const std::string DexisMsg = "Please select [DEXIS.EXE] as file name for Dexis Software";
const std::string OrthoMsg = "Please select [ORTHOCAD.EXE] as file name for ORTHOCAD Imaging Software";

struct RowCase {
    const char* name;
    const char* code; // stored, so that the row is checked when the dialog opens
    int box;
    std::string typed;
    bool exists;                       // the program file at the checked path exists
    std::vector<std::string> problems; // empty: the check passes and `written` is stored
    std::string written;
};
void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const RowCase rowCases[] = {
    {"TrophyUpperCased", "TROPHY", 0, "c:\\t\\tw.exe", true, {}, "TROPHY\nC:\\T\\TW.EXE\n\r"},
    {"TrophyBareName", "TROPHY", 0, "TW.EXE", true, {"Please select [TW.EXE] as file name for Trophy Software"}},
    {"SchickAnyCaseTrimmed", "SCHICK", 8, "  C:\\cdr.exe ", true, {}, "SCHICK\nC:\\cdr.exe\n\r"},
    {"TigerExact", "TIGER", 1, "c:\\t\\tiger1.exe", true, {TigerMsg}},
    {"TigerUntrimmed", "TIGER", 1, " C:\\TIGER1.EXE", true, {}, "TIGER\n C:\\TIGER1.EXE\n\r"},
    {"DexisEmpty", "DEXIS", 2, "", false, {DexisMsg, "Can not find file []"}},
    {"DexisShorterThanEnding", "DEXIS", 2, "EXE", true, {DexisMsg}},
    {"XvaAssistant", "LIGHTYEAR", 4, "C:\\XVASSISTANT.EXE", true, {}, "XVA3DMD\nC:\\XVASSISTANT.EXE\n\r"},
    {"XvaCliniView", "XVA3DMD", 4, "C:\\CLINIVIEW.EXE", true, {}, "XVA3DMD\nC:\\CLINIVIEW.EXE\n\r"},
    {"XvaLite", "XVA3DMD", 4, "C:\\XVLITE.EXE", true, {}, "XVA3DMD\nC:\\XVLITE.EXE\n\r"},
    {"Lightyear", "XVA3DMD", 4, "C:\\LIGHTYEAR.EXE", true, {}, "LIGHTYEAR\nC:\\LIGHTYEAR.EXE\n\r"},
    {"XvaOther", "XVA3DMD", 4, "C:\\XVALITE.EXE", true, {"Please select [XVASSISTANT.EXE] or [CLINIVIEW.EXE] or "
        "[XVALITE.EXE]  or [LIGHTYEAR.EXE] as the file name for Xva3 (DMD) / CliniView Software / XV Lite / Lightyear"}},
    {"SchickDicomAnyCase", "SCHICK-DICOM", 9, "C:\\CDRDicom.exe", true, {}, "SCHICK-DICOM\nC:\\CDRDicom.exe\n\r"},
    {"MediaDentShortName", "MEDIADENT", 10, "C:\\MEDIAD~1.EXE", true, {}, "MEDIADENT\nC:\\MEDIAD~1.EXE\n\r"},
    {"OrthoCadMissing", "ORTHOCAD", 11, "C:\\OrthoCAD.exe", false, {"Can not find file [C:\\OrthoCAD.exe]"}},
};
// clang-format on

class RowCheckTest : public SaveFixture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowCheckTest, ReportsEveryFailedTestOrWritesTheRecord) {
    const RowCase& c = GetParam();
    const std::string stored = MakeRecord(c.code, "");
    const std::string path = Trim(c.box == 0 ? UCase(c.typed) : c.typed);
    LoadWith(stored, c.exists ? std::set<std::string>{path} : std::set<std::string>{});
    Type(c.box, c.typed);

    const bool saved = h.F().ValidateAndSave();

    EXPECT_EQ(h.F().Text1(c.box).Text(), c.box == 0 ? UCase(c.typed) : c.typed);
    EXPECT_EQ(FileChecks(), 1); // also after a wrong name
    std::string message = ProblemHeading;
    for (const std::string& problem : c.problems)
        message += "\r\n" + problem;
    EXPECT_EQ(saved, c.problems.empty());
    EXPECT_EQ(Stored(), saved ? c.written : stored);
    ASSERT_EQ(Boxes().size(), saved ? 0u : 1u);
    if (!saved)
        EXPECT_EQ(Boxes()[0].text + Boxes()[0].title, message + "ZELT Windows Interface Setup");
}

INSTANTIATE_TEST_SUITE_P(Rows, RowCheckTest, ::testing::ValuesIn(rowCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    std::string stored;
    std::string written;
};
void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

// Rows without a file check, several rows, and the devices' own order.
const WriteCase writeCases[] = {
    {"NothingStored", "", "NONE\n\n\r"},
    {"ProImage", "PROIMAGE\n\n\r", "PROIMAGE\n\n\r"},
    {"VipersoftWithDenOptix", "DI_GENDEX\n\n\rVIPERSOFT\nx\n\r", "VIPERSOFT\n\n\rDI_GENDEX\n\n\r"},
    {"GendexAndDimaxisTrimmed", "DIMAXIS\n  pass word \n\rGENDEX\n\n\r", "GENDEX\n\n\rDIMAXIS\npass word\n\r"},
    {"DevicesInTheirOrder", "DI_SUNI\n\n\rDI_SCANX\n\n\rDI_GENDEXGP\n\n\rDI_GENDEX\n\n\r",
     "DI_GENDEX\n\n\rDI_GENDEXGP\n\n\rDI_SCANX\n\n\rDI_SUNI\n\n\r"},
    {"TrophyDexisAndScanX", "DI_SCANX\n\n\rDEXIS\nC:\\D\\DEXIS.EXE\n\rTROPHY\nc:\\t\\tw.exe\n\r",
     "TROPHY\nC:\\T\\TW.EXE\n\rDEXIS\nC:\\D\\DEXIS.EXE\n\rDI_SCANX\n\n\r"},
};

class WriteTest : public SaveFixture, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteTest, WritesExactlyTheseBytesOnceUnderTheStationsKey) {
    const std::string ini = h.fakes.profile.windowsDirectory + "\\Dentx.ini"; // ProImage is set up
    h.fakes.profile.files.insert(ini);
    h.fakes.profile.ini[ini][{"imagemgt", "MainFile"}] = "C:\\PI\\MAIN.EXE";
    LoadWith(GetParam().stored, {"C:\\T\\TW.EXE", "C:\\D\\DEXIS.EXE"});
    h.Env().stationId = "TS-2"; // asked anew when writing
    EXPECT_TRUE(h.F().ValidateAndSave());
    EXPECT_EQ(Stored(), GetParam().written);
    const auto& log = h.Env().log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(std::vector(log.end() - 2, log.end()),
              (std::vector<std::string>{"StationId", "WriteSetting INTERFACE XRAYTS-2 2 0 0"}));
    EXPECT_EQ(Writes(), 1);
}

INSTANTIATE_TEST_SUITE_P(Values, WriteTest, ::testing::ValuesIn(writeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFixture, FailingRowsAreListedInRowOrderAndUncheckedOrGrayedRowsIgnored) {
    LoadWith("ORTHOCAD\n\n\rTIGER\nc:\\t\\tiger1.exe\n\rDEXIS\n\n\r");
    Type(11, "C:\\OC\\OC.EXE");
    h.F().CheckBox1(4).SetValue(2); // Dexis grayed
    Type(0, "junk");                // Trophy unchecked
    EXPECT_FALSE(h.F().ValidateAndSave());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, ProblemHeading + "\r\n" + TigerMsg + "\r\nCan not find file [c:\\t\\tiger1.exe]\r\n" +
                                   OrthoMsg + "\r\nCan not find file [C:\\OC\\OC.EXE]");
    EXPECT_EQ(Writes(), 0);
}

TEST(ValidateAfterFailedStart, ReturnsFalseWithoutTouchingAnything) {
    DialogHarness h;
    h.fakes.databaseEngine.databases.clear();
    h.Load();
    ASSERT_EQ(h.F().Tag(), "ERROR_UNLOAD");
    h.F().Text1(0).SetText("c:\\tw.exe");
    h.Env().log.clear();
    EXPECT_FALSE(h.F().ValidateAndSave());
    EXPECT_EQ(h.F().Text1(0).Text(), "c:\\tw.exe");
    EXPECT_EQ(h.fakes.messageBoxes.shown.size(), 1u); // the database message only
    EXPECT_TRUE(h.Env().log.empty());
}

} // namespace
} // namespace zw::test
