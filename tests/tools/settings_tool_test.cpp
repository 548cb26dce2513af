#include <gtest/gtest.h>

#include <regex>
#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "store/sqlite_database.h"
#include "store/sqlite_statement.h"
#include "support/env_test_support.h"
#include "support/tool_run.h"
#include "tools/command.h"
#include "tools/settings_tool.h"

namespace zw {
namespace {

using tooltest::ToolOnADatabase;
using tooltest::ToolRun;

#ifndef _WIN32
// The built tool as support staff run it, through the shell (under Windows the end-to-end tests drive it);
// no input closes its standard input; a prefix runs it as another user, for example.
ToolRun AsAProcessOf(const std::string& prefix, const std::vector<std::string>& args,
                     const std::optional<std::string>& input) {
    const envtest::TempFolder io;
    envtest::WriteFile(io.File("in"), input.value_or(""));
    std::string command = prefix + " '" + std::getenv("ZW_SETTINGS_TOOL") + "'";
    for (const std::string& arg : args)
        command += " '" + arg + "'"; // no quotes in the words here
    command += input ? " <'" + io.File("in") + "'" : " <&-";
    const int status = std::system((command + " >'" + io.File("out") + "' 2>'" + io.File("err") + "'").c_str());
    return {WEXITSTATUS(status), envtest::ReadFile(io.File("out")), envtest::ReadFile(io.File("err"))};
}
ToolRun Tool(const std::vector<std::string>& args, const std::optional<std::string>& input) {
    return AsAProcessOf("", args, input);
}

// The tool as a process: its standard input read whole or, closed, not at all, and its last line written
// without a line end. (Under Windows the end-to-end tests store and read every value through it.)
TEST(SettingsTool, MakesSetsGetsAndListsRawValuesAndFailsWithoutTheRightDatabase) {
    if (std::getenv("ZW_SETTINGS_TOOL") == nullptr)
        GTEST_SKIP() << "needs the built tool";
    envtest::TempFolder folder;
    envtest::ScopedVariable password("ZELT_DB_PASSWORD", std::nullopt);
    const std::string db = folder.File("Zähne.MDB");
    EXPECT_EQ(Tool({"--database", db, "get", "INTERFACE", "XRAYWS7"}, "").code, toolexit::DatabaseFailed);

    // Without --password the database takes the product's own, which the program then uses.
    ASSERT_EQ(Tool({"create-database", db}, "").code, 0);
    EXPECT_TRUE(SqliteDatabaseEngine().OpenDatabase(db, false, false, ";pwd=ZeltWin#Db1")->IsOpen());
    // CR LF pairs, a lone LF, Ctrl+Z, tab and UTF-8: a text-mode stream would change some of them.
    const std::string value = "TROPHY\nC:\\TW\\TW.EXE\n\r\r\nX\x1aY\tZähne";
    EXPECT_EQ(Tool({"set", "INTERFACE", "XRAYWS7", "--database", db}, value).code, 0);
    EXPECT_EQ(Tool({"--database", db, "get", "INTERFACE", "XRAYWS7"}, "").out, value);
    // Standard input that cannot be read stores nothing, not an empty value.
    EXPECT_EQ(Tool({"--database", db, "set", "INTERFACE", "PROBEWS7"}, std::nullopt).code, toolexit::ChecksFailed);
    EXPECT_EQ(Tool({"--database", db, "list"}, "").out,
              "INTERFACE\tXRAYWS7\tTROPHY\\nC:\\\\TW\\\\TW.EXE\\n\\r\\r\\nX\\x1AY\\tZähne\n");
}
#endif

// apply stores what the dialog would store with these rows checked and these texts typed, or says why not.
TEST_F(ToolOnADatabase, ApplyStoresWhatTheDialogWouldOrSaysWhy) {
    const std::string tiger = folder.File("t\\TIGER1.EXE");                    // a backslash in a POSIX file name
    std::filesystem::create_directories(envtest::PathOf(tiger).parent_path()); // Windows: the folder t
    envtest::WriteFile(tiger, "");
    const std::string orthocad = "ORTHOCAD\nC:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe\n\r";
    const std::string ws1 = "TIGER\n" + tiger + "\n\rDI_SCANX\n\n\r";
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string key, stored, saying;
    };
    const std::vector<Case> cases = {
        {{"--bridge", "tiger=" + tiger, "--device", "di_scanx"}, 0, "XRAYWS1", ws1, "(nothing) -> "},
        {{"--device", "DI_SCANX", "--bridge", "TIGER=" + tiger}, 0, "XRAYWS1", ws1, "WS1: nothing"},
        // OrthoCAD's proposal, not installed here: the dialog's message, and nothing stored.
        {{"--bridge", "ORTHOCAD"}, 1, "XRAYWS1", ws1, "\nCan not find file [C:\\Program Files\\Cadent\\OrthoCAD\\"},
        {{"--bridge", "PROIMAGE"}, 1, "XRAYWS2", "", "You do not have ProImage setup on this computer"},
        // Another workstation: names only.
        {{"--station", "WS2", "--bridge", "ORTHOCAD", "--dry-run"}, 0, "XRAYWS2", "", "files were not checked"},
        {{"--station", "WS2", "--bridge", "ORTHOCAD"}, 0, "XRAYWS2", orthocad, "WS2: bridges ORTHOCAD="},
        {{"--station", "WS2", "--none"}, 0, "XRAYWS2", "NONE\n\n\r", ""},
        {{"--none", "--bridge", "TIGER"}, 2, "XRAYWS3", "", "--none"},
        {{"--device", "DI_SCANX", "--device", "di_scanx"}, 2, "XRAYWS3", "", "more than once"},
        {{"--device", "DI_SUNI"}, 2, "XRAYWS3", "", "DI_SUNI is a device the dialog does not offer"},
        {{"--bridge", "XVA3DMD=a", "--bridge", "LIGHTYEAR=b"}, 2, "XRAYWS3", "", "more than once"},
        {{"--bridge", "NOPE"}, 2, "XRAYWS3", "", "unknown bridge code NOPE; the bridge codes are TROPHY SCHICK"},
        {{"--bridge", "VIPERSOFT=x"}, 2, "XRAYWS3", "", "takes no command line"},
        {{"--station", "WS9", "--bridge", "DEXIS", "--detect"}, 2, "XRAYWS9", "", "on this workstation only"},
        {{"--station", "", "--none"}, 2, "XRAYWS3", "", "empty"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"apply"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = Run(args);
        EXPECT_EQ(run.code, c.code) << run.out << run.err;
        EXPECT_NE((run.out + run.err).find(c.saying), std::string::npos) << run.out << run.err;
        EXPECT_EQ(Stored(c.key), c.stored) << c.args[0];
    }
}

// Every station listed, decoded, exported and imported into a new database with identical values, copied
// and removed; a bad file is refused whole.
TEST_F(ToolOnADatabase, StationsExportImportCopyAndRemove) {
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS7"}, "VIPERSOFT\n\n\rDIMAXIS\n pw\n\rDI_SCANX\n\n\r").code, 0);
    ASSERT_EQ(Run({"set", "INTERFACE", "PROBEWS7"}, "FLORIDA PROBE\nC:\\FP\\FP32.EXE").code, 0);
    // Not UTF-8 (a Latin-1 ä) and a lower-case code the dialog reads all the same.
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYZähne 3"}, "dexis\nC:\\Z\xe4hne\\DEXIS.EXE").code, 0);

    // The last change of each: a UTC time and the user (here the one running the tests).
    const std::regex lastChange(",20[0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9:.]{12}Z,[^,\r]+,");
    EXPECT_EQ(std::regex_replace(Run({"stations", "--format", "csv"}).out, lastChange, ",TIME,USER,"),
              "STATION,BRIDGES,DEVICES,PROBE,LAST CHANGE,BY,HEALTH,CHECKED\r\n"
              "WS7,\"VIPERSOFT, DIMAXIS=***\",DI_SCANX,FLORIDA PROBE=C:\\FP\\FP32.EXE,TIME,USER,never checked,\r\n"
              "Zähne 3,DEXIS=C:\\Z\uFFFDhne\\DEXIS.EXE,NONE,NONE,TIME,USER,never checked,\r\n"); // not UTF-8: U+FFFD
    EXPECT_EQ(Run({"stations", "--grid"}).out, "STATION  DEXIS  VIPERSOFT  DIMAXIS  DI_SCANX  FLORIDA PROBE\n"
                                               "WS7      .      x          x        x         x\n"
                                               "Zähne 3  x      .          .        .         .\n");
    EXPECT_EQ(Run({"show", "--station", "WS7"}).out, "station  WS7\n"
                                                     "bridge   VIPERSOFT\n"
                                                     "bridge   DIMAXIS        ***\n"
                                                     "device   DI_SCANX\n"
                                                     "probe    FLORIDA PROBE  C:\\FP\\FP32.EXE\n");

    const std::string exported = Run({"export"}).out;
    EXPECT_NE(exported.find("{\"station\": \"Zähne 3\", \"xrayBase64\": \"ZGV4aXMKQzpcWuRobmVcREVYSVMuRVhF\", "
                            "\"probe\": null, \"bridges\": [{\"code\": \"DEXIS\""),
              std::string::npos)
        << exported;
    const std::string file = folder.File("practice.json"), other = folder.File("NEW.MDB");
    ASSERT_EQ(Run({"export", "--output", file, "--quiet"}).out, "");
    ASSERT_EQ(Run({"create-database", other}).code, 0);
    EXPECT_EQ(Run({"--database", other, "import", file}).code, 0);
    EXPECT_EQ(Run({"--database", other, "export"}).out, exported);

    EXPECT_EQ(Run({"copy", "--from", "WS7", "--to", "WS8", "WS9", "--quiet", "--log", folder.File("log")}).out, "");
    EXPECT_EQ(Stored("PROBEWS9"), "FLORIDA PROBE\nC:\\FP\\FP32.EXE");
    EXPECT_EQ(Run({"remove", "--station", "WS8"}).code, 0);
    EXPECT_EQ(Run({"list"}).out.find("WS8"), std::string::npos);
    const std::string log = envtest::ReadFile(folder.File("log"));
    EXPECT_NE(log.find("\tWS7\tcopy\t0 done\n"), std::string::npos) << log;
}

// A file is refused whole, every problem named by station, when the dialog would read a value otherwise than
// the file says; the decoded members alone are stored as apply stores them, raw values byte for byte.
TEST_F(ToolOnADatabase, ImportTakesWhatTheDialogReadsAsTheFileSaysAndNothingElse) {
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS5"}, "NONE\n\n\r").code, 0);
    const std::string before = Run({"export"}).out, nulls = R"(, "xray": null, "probe": null)";
    const std::pair<std::string, std::string> bad[] = {
        {R"({"station": "A", "xray": "FOOBAR\nC:\\X.EXE\n\r", "probe": null})", "(A): unknown code \"FOOBAR\" in xray"},
        {R"({"station": "A", "xray": null, "probe": "PROBE-X\nC:\\P.EXE"})", "(A): unknown code \"PROBE-X\" in probe"},
        {R"({"station": "A", "devices": ["DI_SUNI"], "probe": null})", "(A): DI_SUNI is a device the dialog does not"},
        {R"({"station": "A", "devices": ["DI_NOPE"])" + nulls + "}", "(A): unknown device code DI_NOPE"},
        {R"({"station": "A", "bridges": [{"code": "SCHICK", "commandLine": "C:\\X.EXE"}]})",
         "(A): Please select [NCDR.EXE] or [CDR.EXE]"},
        {R"({"station": "A", "xray": "DEXIS\nC:\\D.EXE\n\r", "bridges": [], "probe": null})",
         "(A): bridges do not agree with the raw xray value"},
        {R"({"station": "A", "xray": "TIGER\nX\n\r"})", "(A): no probe (a text, or null when nothing is stored)"},
        {R"({"station": "ws5")" + nulls + R"(}, {"station": "WS5")" + nulls + "}",
         "station 2 (WS5): the station is listed twice (as ws5 too"},
    };
    for (const auto& [stations, problem] : bad) {
        const ToolRun refused = Run({"import", "-"}, R"({"format": 1, "stations": [)" + stations + "]}");
        EXPECT_EQ(refused.code, toolexit::BadArguments) << stations;
        EXPECT_NE(refused.err.find(problem), std::string::npos) << refused.err;
        EXPECT_EQ(refused.err.find("the device codes are") != std::string::npos,
                  problem.find("unknown") != std::string::npos || problem.find("DI_SUNI") != std::string::npos);
        EXPECT_EQ(Run({"export"}).out, before) << stations;
    }

    ASSERT_EQ(
        Run({"apply", "--station", "APPLIED", "--bridge", "dexis=C:\\D\\DEXIS.EXE", "--device", "DI_GENDEX"}).code, 0);
    const ToolRun imported = Run(
        {"import", "-"},
        R"({"format": 1, "stations": [{"station": "B", "bridges": [{"code": "dexis", "commandLine": "C:\\D\\DEXIS.EXE"}],)"
        R"( "devices": ["DI_GENDEX"], "probeProgram": {"code": "FLORIDA PROBE", "commandLine": )"
        R"("C:\\FP.EXE"}}, {"station": "C", "xray": "DI_SUNI\n\n\r", "probe": null, "devices": ["DI_SUNI"]},)"
        R"( {"station": "ws5", "xray": "GENDEX\n\n\r", "probe": null}]})");
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(Stored("XRAYB"), Stored("XRAYAPPLIED"));
    EXPECT_EQ(Stored("PROBEB"), "FLORIDA PROBE\nC:\\FP.EXE");
    EXPECT_EQ(Stored("XRAYC"), "DI_SUNI\n\n\r"); // a device the dialog hides, kept as stored
    EXPECT_EQ(Stored("XRAYWS5"), "GENDEX\n\n\r");
    EXPECT_EQ(Run({"list"}).out.find("XRAYws5"), std::string::npos) << "no second station differing by case";
}

// A station named in another case is the stored one, for every command that names one; none makes a second.
TEST_F(ToolOnADatabase, AStationNamedInAnyCaseIsTheStoredOne) {
    envtest::ScopedVariable here{"ZELT_STATION", "ws5"}; // this workstation, as check-station takes it
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS5"}, "VIPERSOFT\n\n\r").code, 0);
    const struct {
        std::vector<std::string> args;
        int code;
        std::string said, stored; // found in what the tool says; XRAYWS5 afterwards
    } cases[] = {
        {{"apply", "--station", "ws5", "--bridge", "GENDEX"}, 0, "WS5: xray \"VIPERSOFT", "GENDEX\n\n\r"},
        {{"show", "--station", "Ws5"}, 0, "station  WS5\nbridge   GENDEX", "GENDEX\n\n\r"},
        {{"set", "INTERFACE", "XRAYws5"}, 0, "", "DI_SCANX\n\n\r"},
        {{"get", "INTERFACE", "XRAYws5"}, 0, "DI_SCANX\n\n\r", "DI_SCANX\n\n\r"},
        {{"check-station"}, 0, "WS5: ok", "DI_SCANX\n\n\r"},
        {{"export", "--station", "ws5"}, 0, "{\"station\": \"WS5\"", "DI_SCANX\n\n\r"},
        {{"copy", "--from", "ws5", "--to", "ws6", "WS6"}, 2, "--to names WS6 twice", "DI_SCANX\n\n\r"},
        {{"copy", "--from", "WS5", "--to", "ws5"}, 2, "onto itself", "DI_SCANX\n\n\r"},
        {{"history", "--station", "ws5"}, 0, "WS5      xray", "DI_SCANX\n\n\r"},
        {{"remove", "--station", "wS5"}, 0, "WS5: xray \"DI_SCANX\\n\\n\\r\" -> (removed)", ""},
    };
    for (const auto& c : cases) {
        const ToolRun run = Run(c.args, "DI_SCANX\n\n\r");
        EXPECT_EQ(run.code, c.code) << c.args[0] << run.Said();
        EXPECT_NE(run.Said().find(c.said), std::string::npos) << run.Said();
        EXPECT_EQ(Stored("XRAYWS5"), c.stored) << c.args[0];
        EXPECT_EQ(Run({"list"}).out.find("ws5"), std::string::npos) << c.args[0];
    }
}

// Every writing command leaves rows that read as changes of the choice, newest first.
TEST_F(ToolOnADatabase, EveryWriteReadsAsAChangeOfTheChoice) {
    ASSERT_EQ(Run({"apply", "--station", "WS2", "--bridge", "DIMAXIS=pw", "--bridge", "VIPERSOFT"}).code, 0);
    ASSERT_EQ(Run({"apply", "--station", "WS2", "--bridge", "VIPERSOFT", "--device", "DI_GENDEX"}).code, 0);
    ASSERT_EQ(Run({"copy", "--from", "WS2", "--to", "WS3"}).code, 0);
    ASSERT_EQ(Run({"remove", "--station", "WS3"}).code, 0);
    const std::string csv = Run({"history", "--format", "csv"}).out;
    const std::string expected[] = {
        ",WS3,xray,", "zwsettings remove,\"\u2212 VIPERSOFT\nDI_GENDEX removed\nvalue removed\"",
        ",WS3,xray,", "zwsettings copy,\"+ VIPERSOFT\nDI_GENDEX added\"",
        ",WS2,xray,", "zwsettings apply,\"\u2212 DIMAXIS\nDI_GENDEX added\"",
        ",WS2,xray,", "zwsettings apply,\"+ VIPERSOFT\n+ DIMAXIS ***\"",
    };
    size_t at = 0;
    for (const std::string& text : expected) { // a removal is written with the minus sign
        at = csv.find(text, at);
        ASSERT_NE(at, std::string::npos) << text << "\nin\n" << csv;
    }

    const std::string ws2 = Run({"history", "--station", "WS2", "--format", "json"}).out;
    EXPECT_EQ(ws2.find("WS3"), std::string::npos);
    EXPECT_NE(ws2.find("\"new\": \"VIPERSOFT\\n\\n\\rDI_GENDEX\\n\\n\\r\""), std::string::npos) << ws2;
    EXPECT_EQ(Run({"history", "--since", "2999-01-01"}).out.find("WS2"), std::string::npos);
}

// Every registered command: an option it does not know is refused with its usage on standard error, and --help
// prints that usage (the refusals of detect's own values are among the refused arguments below).
TEST_F(ToolOnADatabase, EveryCommandRefusesAnUnknownOptionWithItsUsageAndHelpPrintsIt) {
    ASSERT_GE(tool::Commands().size(), 16u);
    for (const tool::Command& command : tool::Commands()) {
        const std::string usage = std::string("usage: zwsettings ") + "[--database PATH] [--password PW] [--quiet] " +
                                  "[--log FILE] COMMAND ...\n" + command.usage;
        const ToolRun refused = Run({command.name, "--frobnicate"});
        EXPECT_EQ(refused.code, toolexit::BadArguments) << command.name;
        EXPECT_EQ(refused.out, "") << command.name;
        EXPECT_EQ(refused.err, "zwsettings: unknown option --frobnicate\n" + usage) << command.name;
        const ToolRun help = Run({command.name, "--help"});
        EXPECT_EQ(help.code, 0) << command.name;
        EXPECT_EQ(help.out, usage) << command.name;
    }
}

// No command writes a Dimaxis password, in any format, unless --show-passwords asks; export alone holds it, as
// its file must bring every value back, and that file is its owner's only, whoever made it before.
TEST_F(ToolOnADatabase, NoCommandWritesAPasswordUnlessAsked) {
    const std::string secret = "Geheim-7", file = folder.File("practice.json");
    ASSERT_EQ(Run({"apply", "--bridge", "DIMAXIS=" + secret, "--bridge", "VIPERSOFT"}).code, 0); // here: WS1
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS9"}, "dimaxis\n" + secret + "\n\r").code, 0);
#ifndef _WIN32
    envtest::WriteFile(file, "old");
    chmod(file.c_str(), 0644);
#endif
    const struct {
        std::vector<std::string> args;
        bool shows;
    } runs[] = {
        {{"apply", "--bridge", "DIMAXIS=Geheim-8", "--dry-run"}, false},
        {{"check"}, false},
        {{"check-station", "--format", "json"}, false},
        {{"copy", "--from", "WS1", "--to", "WS8"}, false},
        {{"create-database", folder.File("NEW.MDB")}, false},
        {{"detect", "--format", "csv"}, false},
        {{"encrypt-database", folder.File("NONE.MDB")}, false},
        {{"get", "INTERFACE", "XRAYWS1"}, false},
        {{"get", "INTERFACE", "XRAYWS1", "--show-passwords"}, true},
        {{"history", "--format", "csv"}, false},
        {{"history", "--format", "json"}, false},
        {{"list"}, false},
        {{"show", "--station", "WS9"}, false},
        {{"stations"}, false},
        {{"stations", "--format", "json"}, false},
        {{"export", "--output", file}, false},
        {{"export", "--station", "WS9"}, true},
        {{"import", file, "--dry-run"}, false},
        {{"remove", "--station", "WS8"}, false},
        {{"report"}, false},
        {{"set", "INTERFACE", "XRAYWS8"}, false},
        {{"change-password", "New#1"}, false},
    };
    std::set<std::string> covered;
    for (const auto& run : runs) {
        const ToolRun done = Run(run.args, "DIMAXIS\nGeheim-9\n\r");
        const std::string said = done.out + done.err;
        EXPECT_EQ(said.find("Geheim-") != std::string::npos, run.shows) << run.args[0] << ":\n" << said;
        covered.insert(run.args[0]);
    }
    EXPECT_NE(envtest::ReadFile(file).find(secret), std::string::npos) << "the export file holds the password";
#ifndef _WIN32
    struct stat status {};
    EXPECT_TRUE(stat(file.c_str(), &status) == 0 && (status.st_mode & 0777) == 0600) << status.st_mode;
#endif
    for (const tool::Command& command : tool::Commands())
        EXPECT_TRUE(covered.count(command.name)) << command.name << " is not run here";
}

// Results on standard output, refusals and hints on standard error; an impossible time is refused; the count of
// an import is the stations it changed; a table's long cell is cut short.
TEST_F(ToolOnADatabase, RefusalsGoToStandardErrorAndCountsAndTimesMeanWhatTheySay) {
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS1"}, "NONE\n\n\r").code, 0);
    const std::string folder70 = "C:\\" + std::string(70, 'x') + "\\Zähne\\DEXIS.EXE";
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS0"}, "DEXIS\n" + folder70 + "\n\r").code, 0);
    const struct {
        std::vector<std::string> args;
        std::string input;
        int code;
        std::string out, err; // found in standard output, in standard error ("" for nothing there)
    } cases[] = {
        {{"apply", "--bridge", "DEXIS", "--detect"}, "", 1, "", "DEXIS: not found on this workstation"},
        {{"--quiet", "apply", "--station", "WS2", "--bridge", "SCHICK"}, "", 1, "", "Please select [NCDR.EXE]"},
        {{"detect", "--format", "xml"}, "", 2, "", "\n  detect [--format table|json|csv] [--timeout SECONDS]\n"},
        {{"detect", "--format"}, "", 2, "", "\n  detect [--format table|json|csv] [--timeout SECONDS]\n"},
        {{"detect", "--timeout", "0"}, "", 2, "", "the timeout is whole seconds from 1 to 600, not 0\nusage: "},
        {{"detect", "--timeout", "601"}, "", 2, "", "the timeout is whole seconds from 1 to 600, not 601\nusage: "},
        {{"detect", "--timeout", "1.5"}, "", 2, "", "the timeout is whole seconds from 1 to 600, not 1.5\nusage: "},
        {{"stations"},
         "",
         0,
         "WS0      DEXIS=C:\\" + std::string(70, 'x') + "\u2026  NONE",
         "--format json or csv writes"},
        {{"stations", "--quiet"}, "", 0, "", ""},
        {{"stations", "--format", "csv", "--bom"}, "", 0, "\xEF\xBB\xBFSTATION,BRIDGES,", ""},
        {{"stations", "--bom"}, "", 2, "", "--bom goes with --format csv only"},
        {{"apply", "--device", "DI_VISIODENT"}, "", 2, "", "the device codes are DI_GENDEX DI_SCANX DI_SCHICK-DICOM\n"},
        {{"history", "--since", "2026-02-29"}, "", 2, "", "--since takes a date"},
        {{"history", "--since", "2026-12-06T24:00"}, "", 2, "", "--since takes a date"},
        {{"history", "--since", "2028-02-29T23:59:59Z"}, "", 0, "time", ""},
        {{"import", "-"},
         "{\"format\": 1, \"stations\": [{\"station\": \"WS1\", \"xray\": \"NONE\\n\\n\\r\", \"probe\": null},"
         " {\"station\": \"WS3\", \"xray\": null, \"probe\": \"NONE\\n\"}]}",
         0,
         "WS1: unchanged\nWS3: probe (nothing) -> \"NONE\\n\"\n1 station(s) imported\n",
         ""},
        {{"check"}, "", 1, "", "the history of INTERFACE XRAYWS1 does not end in its current value"},
    };
    for (const auto& c : cases) {
        if (c.args[0] == "check") { // a value changed behind the history's back
            const auto database = std::static_pointer_cast<SqliteDatabase>(
                SqliteDatabaseEngine().OpenDatabase(db, false, false, ";pwd=" + std::string(BuiltInDatabasePassword)));
            sqlite::Execute(database->Connection(), "UPDATE Settings SET Value = 'X' WHERE Key = 'XRAYWS1'", db);
        }
        const ToolRun run = Run(c.args, c.input);
        EXPECT_EQ(run.code, c.code) << c.args[0] << run.out << run.err;
        for (const auto& [stream, expected] : {std::pair(run.out, c.out), std::pair(run.err, c.err)}) {
            if (expected.empty())
                EXPECT_EQ(stream, "") << c.args.back();
            else
                EXPECT_NE(stream.find(expected), std::string::npos) << c.args.back() << ": " << stream;
        }
    }
}

#ifndef _WIN32
// As root every folder is writable; the tool runs as an ordinary user who may write the file but not make
// the journal beside it.
TEST_F(ToolOnADatabase, AWriteInAReadOnlyFolderSaysTheFolderIsReadOnly) {
    if (geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0 || !std::getenv("ZW_SETTINGS_TOOL"))
        GTEST_SKIP() << "needs root, setpriv and the built tool to act as another user";
    chmod(db.c_str(), 0666);
    chmod(folder.path.c_str(), 0555);
    const ToolRun write = AsAProcessOf("setpriv --reuid=65534 --regid=65534 --clear-groups",
                                       {"--database", db, "set", "INTERFACE", "XRAYWS7"}, "NONE\n");
    chmod(folder.path.c_str(), 0755);
    EXPECT_EQ(write.code, toolexit::DatabaseFailed);
    EXPECT_NE(write.err.find("read-only: the folder of"), std::string::npos) << write.err;
    EXPECT_NE(write.err.find("(error 3027)"), std::string::npos) << write.err;
}
#endif

} // namespace
} // namespace zw
